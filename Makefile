# The three commands of the README.  Each one installs whatever Debian
# packages are missing, configures and builds; `run` then starts the game,
# `test` runs every test, `dist` only assembles the portable folder.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build dist run test difficulty clean

all: dist

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

dist: build

run: dist
	./dist/karvelun

test: build
	# A test without a time limit of its own gets five minutes: a hang fails
	# the run instead of stopping it.
	cd $(BUILD) && ctest --output-on-failure --timeout 300 -j $(JOBS)

# How hard act I is for a newcomer: 20 seeded runs of each level
# (campaign/README.md).
difficulty: build
	./dist/karvelun-levels difficulty dist/data/levels.all --levels 0-7 --runs 20

clean:
	rm -rf $(BUILD)
