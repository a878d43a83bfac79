# Thin front door over CMake. Every target installs what is missing first.
JOBS ?= $(shell nproc)
WERROR ?= OFF
CMAKE_FLAGS ?=
# The nested makes of the CMake build would announce every directory they enter.
MAKEFLAGS += --no-print-directory

.PHONY: all deps build run test bench fuzz install deb format clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTOR_TESTS=OFF -DTINTOR_WERROR=$(WERROR) $(CMAKE_FLAGS) >/dev/null
	@cmake --build build --target tintor -j $(JOBS)

run: build
	@bash scripts/run.sh build/tintor

# Tests build in their own tree with AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps build
	@cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DTINTOR_SANITIZE=ON -DTINTOR_WERROR=$(WERROR) $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-test -j $(JOBS)
	@cd build-test && ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTINTOR_TESTS=OFF -DTINTOR_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@bash bench/run.sh build-bench
	@bash bench/cli_bench.sh build-bench

fuzz: deps
	@bash fuzz/run.sh $(or $(SECONDS_EACH),60)

install: build
	@cmake --install build --prefix $(or $(PREFIX),/usr/local)

deb: deps
	@cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DTINTOR_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
	@cmake --build build-deb -j $(JOBS)
	@cd build-deb && cpack -G DEB

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-test build-bench build-deb
