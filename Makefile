# make run   - install what is missing, configure, build and start the game
# make test  - the same, then every test (offscreen in-process tests, real-window tests under a
#              private Xvfb, on X11 and as a Wayland client of weston in it, a replay of the fuzz
#              corpus, the same in-process tests and replay under AddressSanitizer and UBSan)
# make fuzz  - a 30-second libFuzzer run of the score-file reader (not part of make test)
# make bench - the benchmark (not part of make test)
# make package - the Debian package, build/package/velmor08_<version>_amd64.deb
# make package-check - the package built twice from the last commit in two fresh folders and compared
#              byte for byte, lintian, hardening-check, then install, upgrade, remove and purge with
#              apt-get (as root; not part of make test)
# The build folders are those of the CMake presets (CMakePresets.json): default and asan.
BUILD      := build
ASAN_BUILD := build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

# The tests a full run must have. The configure output is not shown, so a test that it leaves out
# would go unseen: make test fails with one line naming any of these that is not built.
OFFSCREEN_TESTS := $(basename $(notdir $(wildcard tests/test_*.cpp))) fuzz_scorefile_replay
XVFB_TESTS      := $(basename $(notdir $(wildcard tests/xtest_*.cpp tests/wtest_*.cpp))) xtest_smallscreen_640x480 \
                   xtest_smallscreen_scale200 xtest_zoom_1920x1080 \
                   xtest_zoom_scale200 xvfb_cleanup weston_cleanup \
                   $(patsubst translations/velmor08_%.ts,xtest_language_%,$(wildcard translations/velmor08_*.ts))

# $(call require-tests,BUILD-DIR,TEST-NAMES)
define require-tests
	@registered=$$(ctest --test-dir $(1) -N | sed -n 's/^ *Test *#[0-9]*: //p'); missing=; \
	for t in $(2); do printf '%s\n' "$$registered" | grep -qx "$$t" || missing="$$missing $$t"; done; \
	if [ -n "$$missing" ]; then \
	  echo "make test: FAILED: not built in $(1):$$missing (the reason is in the output of: cmake -S . -B $(1))"; exit 1; \
	fi
endef

# The package's timestamps: the last commit's time, or without a git checkout the changelog's date.
PACKAGE_DATE = $${SOURCE_DATE_EPOCH:-$$(git log -1 --format=%ct 2>/dev/null || dpkg-parsechangelog -l data/debian/changelog -S Timestamp)}

.PHONY: all setup configure build run test test-asan fuzz bench package package-check install clean

all: build

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake --preset default $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build --preset default -j$(JOBS)

run: build
	./$(BUILD)/velmor08

test: build
	ctest --preset default -j$(JOBS)
	$(call require-tests,$(BUILD),$(OFFSCREEN_TESTS) $(XVFB_TESTS))
	@$(MAKE) --no-print-directory test-asan
	@echo "make test: passed, $(words $(OFFSCREEN_TESTS) $(XVFB_TESTS)) tests in $(BUILD) and $(words $(OFFSCREEN_TESTS)) in $(ASAN_BUILD)"

test-asan: setup
	@cmake --preset asan $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset asan -j$(JOBS)
	ctest --preset asan -j$(JOBS)
	$(call require-tests,$(ASAN_BUILD),$(OFFSCREEN_TESTS))

fuzz: configure
	@cmake --build --preset fuzz

bench: configure
	@cmake --build --preset bench -j$(JOBS)
	@bash bench/run.sh $(BUILD)

# The umask too: CPack gives the package's members the modes of the files it wrote.
package: build
	@umask 022 && SOURCE_DATE_EPOCH=$(PACKAGE_DATE) cmake --build --preset package

package-check: setup
	@bash tests/package/package-check.sh

install: build
	@cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
