// A plan file of arbitrary bytes: the reader either gives a reason or a plan that is written and
// read back unchanged; the comparison with an empty plan and the suggested file name cope with
// whatever it holds.

#include "plan/plandatei.h"
#include "pruefe.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const auto bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(daten),
                                               static_cast<qsizetype>(groesse));
    const plandatei::Gelesen gelesen = plandatei::lesen(bytes);
    pruefe(gelesen.plan.has_value() == gelesen.fehler.isEmpty());
    if (!gelesen.plan)
        return 0;
    const PlanState &plan = *gelesen.plan;
    pruefe(plan.aktbonus >= 0 && plan.aktbonus < PlanState::stufen);

    const plandatei::Gelesen wieder = plandatei::lesen(plandatei::alsJson(plan));
    pruefe(wieder.plan.has_value() && *wieder.plan == plan);

    // Against an empty window plan every saved finding is missing, and nothing else is told.
    int befunde = 0;
    for (const Planzeile &z : plan.zeile)
        befunde += z.hatBefund() ? 1 : 0;
    pruefe(plandatei::abweichungen(plan, PlanState {}).size() == befunde);

    const QString name = plandatei::dateiname(plan.patient, QDate(2026, 12, 7));
    pruefe(name.endsWith(QStringLiteral("_2026-12-07.kplan")) && !name.contains(u'/'));
    return 0;
}
