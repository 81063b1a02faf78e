# vyr englisch: the learning program vyr_e and the editor vyredit.
#   make run     install missing packages, build, pack the demo course, start vyr_e
#   make test    the same set-up, then every test through CTest
#   make build   build and pack only
#   make bench   build and run the benchmarks; JSON results in build/bench/
#   make asan    build and test with AddressSanitizer and UBSan (build-asan/)
#   make deps    install the missing Debian packages
#   make clean   remove the build directories

BUILD   ?= build
JOBS    ?= $(shell nproc)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all run test build bench asan deps clean configure

all: build

deps:
	@tools/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/vyr/vyr_e

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@mkdir -p $(BUILD)/bench
	@set -e; for b in $(BUILD)/bench-bin/*; do \
	  [ -x "$$b" ] || continue; n=$$(basename $$b); echo "== $$n"; \
	  QT_QPA_PLATFORM=offscreen $$b --benchmark_out=$(BUILD)/bench/$$n.json --benchmark_out_format=json; \
	done

asan: deps
	cmake -S . -B build-asan $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DVYR_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) build-asan
