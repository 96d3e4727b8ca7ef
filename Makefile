# make run    installs what is missing, builds and starts Kalvomat on the example data in beispiel/
# make test   installs what is missing, builds and passes the tests (normal and with sanitizers)
# make check  builds and runs the tests, installing nothing (for a machine that has what they need)
# make fuzz   builds the fuzzers (clang, build-fuzz) and runs each FUZZ_SEKUNDEN seconds
# make bench  builds the benchmarks (Release, build-bench) and prints their tables; no test runs it
# make paket  builds the Debian package kalvomat_<version>_<arch>.deb (Release, build-paket)
# make paket-test  builds the package, installs it here (root or sudo), starts it as a fresh user
#             under Xvfb and removes it again; the last step of make test
BUILD      ?= build
BUILD_SAN  ?= build-san
BUILD_BENCH ?= build-bench
BUILD_FUZZ ?= build-fuzz
BUILD_PAKET ?= build-paket
FUZZ_SEKUNDEN ?= 300
FUZZ_ZIELE := fuzz_katalog fuzz_zahlwert fuzz_region fuzz_plandatei fuzz_zahnschema
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
ifeq ($(CI),true)
CMAKE_ARGS += -DKALVOMAT_WERROR=ON
endif

.PHONY: run test check build build-san setup setup-test clean bench fuzz fuzz-kurz build-fuzz paket paket-test

run: setup build
	cd beispiel && ../$(BUILD)/src/app/kalvomat

test: setup-test build build-san
	scripts/format_pruefen.sh
	cd $(BUILD) && ctest --output-on-failure
	cd $(BUILD_SAN) && ctest --output-on-failure
	scripts/rauchtest.sh $(BUILD)/src/app/kalvomat
	$(MAKE) fuzz-kurz
	$(MAKE) paket-test

check: build
	cd $(BUILD) && ctest --output-on-failure

setup:
	scripts/einrichten.sh run

setup-test:
	scripts/einrichten.sh test

build:
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j$(JOBS)

build-san:
	cmake -S . -B $(BUILD_SAN) -DKALVOMAT_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(BUILD_SAN) -j$(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD_SAN)

# The fuzzers need clang for libFuzzer; the seeds in fuzz/korpus/ are only read.
build-fuzz:
	CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -DKALVOMAT_FUZZ=ON $(CMAKE_ARGS)
	cmake --build $(BUILD_FUZZ) -j$(JOBS) --target $(FUZZ_ZIELE)

fuzz: setup-test build-fuzz
	scripts/fuzz.sh $(BUILD_FUZZ) $(FUZZ_SEKUNDEN) $(FUZZ_ZIELE)

# A short run of every fuzzer, as the last step of make test.
fuzz-kurz:
	$(MAKE) fuzz FUZZ_SEKUNDEN=20

# Timings on a shared machine are noisy: every table shows medians over repeated runs.
bench: setup
	cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=Release -DKALVOMAT_BENCH=ON $(CMAKE_ARGS)
	cmake --build $(BUILD_BENCH) -j$(JOBS) --target bench_start bench_klick bench_bericht bench_vorschlag bench_zahnschema
	$(BUILD_BENCH)/bench/bench_start
	$(BUILD_BENCH)/bench/bench_klick
	$(BUILD_BENCH)/bench/bench_bericht
	$(BUILD_BENCH)/bench/bench_vorschlag
	$(BUILD_BENCH)/bench/bench_zahnschema

# The package is built without the tests; "make package" in any Release build folder gives the same.
paket: setup-test
	cmake -S . -B $(BUILD_PAKET) -DCMAKE_BUILD_TYPE=Release -DKALVOMAT_TESTS=OFF $(CMAKE_ARGS)
	rm -f $(BUILD_PAKET)/kalvomat_*.deb
	cmake --build $(BUILD_PAKET) -j$(JOBS) --target package

paket-test: paket
	scripts/pakettest.sh $(BUILD_PAKET)/kalvomat_*.deb
