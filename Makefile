# The commands of the README.  Each one installs whatever Debian packages are
# missing, configures and builds what it needs: `run` only the game, its
# tools and data, then starts the game; `test` everything, then runs every
# test; `dist` only assembles the portable folder.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps deps-test deps-deb configure configure-test dist build run test deb difficulty clean translations \
	check-format check-headers

all: dist

deps:
	./scripts/install-deps run

deps-test:
	./scripts/install-deps test

deps-deb:
	./scripts/install-deps deb

# The game, the sound library, the settings tool, the level tool and the
# data, assembled in dist/; the tests are left out of the build (a build
# folder configured by `make test` keeps them configured, but unbuilt here).
configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

dist: configure
	cmake --build $(BUILD) -j $(JOBS) --target dist

run: dist
	./dist/karvelun

configure-test: deps-test
	cmake -S . -B $(BUILD) -DKARVELUN_TESTS=ON $(CMAKE_FLAGS)

build: configure-test
	cmake --build $(BUILD) -j $(JOBS)

test: build
	# A test without a time limit of its own gets five minutes: a hang fails
	# the run instead of stopping it.
	cd $(BUILD) && ctest --output-on-failure --timeout 300 -j $(JOBS)

# Refreshes translations/*.ts from the code's texts (lupdate): new texts
# come in unfinished, for a translator to fill in Qt Linguist; texts the
# code lost go.  The build compiles the files into the programs.
translations: configure
	cmake --build $(BUILD) --target update_translations

# A Debian package of the installed game in $(BUILD)/packages/, its
# dependencies computed by dpkg-shlibdeps from the libraries it links.
deb: deps-deb configure
	cmake --build $(BUILD) -j $(JOBS) --target karvelun_installable
	cd $(BUILD) && cpack -G DEB

# How hard the cave is for a newcomer: 20 seeded runs of the whole campaign
# in one go, in the game as it starts and in the easier one
# (campaign/README.md).
difficulty: dist
	./dist/karvelun-levels difficulty dist/data/levels.all --levels 0-80 --runs 20 --chained
	./dist/karvelun-levels difficulty dist/data/levels.all --levels 0-80 --runs 20 --chained \
		--obtiznost lehka

clean:
	rm -rf $(BUILD)

# --- What a reviewer checks (CI runs both) ----------------------------------

# Every C++ file git tracks, formatted as .clang-format says by Debian 12's
# clang-format (14): each finding is printed and fails the check.  A file is
# mended with `clang-format-14 -i FILE`.
check-format: deps-test
	./scripts/check-format

# Every header of the game and its tools compiled on its own, twice in a
# translation unit of its own (cmake/HeaderCheck.cmake): the batched build
# hides a missing include.  Not part of `make test`; a minute or two.
check-headers: configure
	cmake --build $(BUILD) -j $(JOBS) --target check_headers

# --- Reliability (docs/reliability.md) --------------------------------------
# Each has a build folder of its own, so the normal build is never rebuilt.

# The fuzz targets of tests/fuzz (clang, libFuzzer, ASan + UBSan), each run
# for FUZZ_SECONDS (0: no limit) and, when FUZZ_RUNS is not 0, at most that
# many inputs: `make fuzz FUZZ_SECONDS=0 FUZZ_RUNS=1000000`.  FUZZ_TARGETS
# picks some of them.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_RUNS ?= 0
FUZZ_TARGETS ?=

.PHONY: fuzz test-sanitize test-sanitize-core soak

fuzz: deps-test
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DKARVELUN_TESTS=ON -DKARVELUN_FUZZ=ON -DKARVELUN_DIST_DIR=$(abspath $(FUZZ_BUILD))/dist $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	tests/fuzz/run_fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_RUNS) $(FUZZ_TARGETS)

# ASan + UBSan over the whole suite (window, end-to-end, campaign and sound
# tests included).  Leaks of the system's libraries are suppressed by
# tests/sanitize/lsan.supp, each entry with its reason.  SANITIZE_TESTS
# narrows the run to the tests matching a ctest regular expression.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_TESTS ?=
SANITIZE_ENV = \
	ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0

test-sanitize: deps-test
	cmake -S . -B $(SANITIZE_BUILD) -DKARVELUN_TESTS=ON -DKARVELUN_SANITIZE=ON \
		-DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
		-DKARVELUN_DIST_DIR=$(abspath $(SANITIZE_BUILD))/dist $(CMAKE_FLAGS)
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure --timeout 900 -j $(JOBS) \
		$(if $(SANITIZE_TESTS),-R '$(SANITIZE_TESTS)')

# The rules, levels and sound suites and the save's fault and kill tests
# alone under the sanitizers: what CI runs (the whole suite would take CI
# past 45 minutes on a 2-core machine).  The kill test kills 200 saves here
# instead of 1 000: a sanitized save is slower, and `make test` kills 1 000.
SANITIZE_CORE = world_tests core_tests play_tests levels_tests platform_file_tests save_pair_tests \
	tembra_tests tembra_device_tests
SANITIZE_CRASH_KILLS ?= 200

test-sanitize-core: deps-test
	cmake -S . -B $(SANITIZE_BUILD) -DKARVELUN_TESTS=ON -DKARVELUN_SANITIZE=ON \
		-DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
		-DKARVELUN_DIST_DIR=$(abspath $(SANITIZE_BUILD))/dist $(CMAKE_FLAGS)
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS) --target $(SANITIZE_CORE)
	for suite in $(SANITIZE_CORE); do \
		$(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null \
			KARVELUN_CRASH_KILLS=$(SANITIZE_CRASH_KILLS) \
			$(SANITIZE_BUILD)/tests/*/$$suite --gtest_brief=1 || exit 1; \
	done

# The real game for SOAK_FRAMES frames of the busy level and SOAK_CYCLES
# rounds of new game, F5, F7, menu, load dialog and game: surfaces, handles
# and sound slots must come back, no stray file may stay, and the resident
# memory's growth after warm-up is reported.
SOAK_FRAMES ?= 100000
SOAK_CYCLES ?= 500

soak: configure-test
	cmake --build $(BUILD) -j $(JOBS) --target dist karvelun_soak
	QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null \
		$(BUILD)/tests/soak/karvelun_soak --dist dist --frames $(SOAK_FRAMES) --cycles $(SOAK_CYCLES)
