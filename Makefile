# make run  - install what is missing, configure, build and start the game
# make test - the same, then every test (offscreen in-process tests, real-window tests under a
#             private Xvfb, the same in-process tests under AddressSanitizer and UBSan)
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all setup configure build run test test-asan bench package install clean

all: build

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/velmor08

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory test-asan

test-asan: setup
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVELMOR08_SANITIZE=ON $(CMAKE_ARGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS) -L offscreen

bench: build
	@bash bench/run.sh $(BUILD)

package: build
	@cmake --build $(BUILD) --target package

install: build
	@cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
