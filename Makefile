# SPDX-FileCopyrightText: 2026 Cantabell developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Thin wrapper over CMake. `make build` needs no root: it only configures and builds. `make run`,
# `make test`, `make bench` and `make package` first install what is missing (scripts/install-deps).
# WERROR=ON turns compiler warnings into errors (CI sets it).
BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
WERROR     ?= OFF
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_GEN  := -G Ninja
CTEST_ARGS ?= --output-on-failure --timeout 600
TEST_ENV   := XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD)/xdg-runtime

.PHONY: all deps configure build run test test-unit test-asan test-fuzz bench package format format-check clean

all: build

deps:
	@scripts/install-deps

configure:
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCANTABELL_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: deps build
	@mkdir -p -m 700 $(BUILD)/xdg-runtime
	@$(if $(XDG_RUNTIME_DIR),,$(TEST_ENV)) $(BUILD)/cantabell

test-unit: deps build
	@mkdir -p -m 700 $(BUILD)/xdg-runtime
	cd $(BUILD) && $(TEST_ENV) ctest $(CTEST_ARGS) -j $(JOBS)

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DCANTABELL_SANITIZE=ON -DCANTABELL_WERROR=$(WERROR) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@mkdir -p -m 700 $(ASAN_BUILD)/xdg-runtime
	cd $(ASAN_BUILD) && XDG_RUNTIME_DIR=$(CURDIR)/$(ASAN_BUILD)/xdg-runtime \
		ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest $(CTEST_ARGS) -j $(JOBS) -LE no-sanitizer

# Each libFuzzer target runs for FUZZ_SECONDS on a copy of its committed corpus.
FUZZ_SECONDS ?= 60
test-fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DCANTABELL_FUZZ=ON -DCANTABELL_TESTS=OFF -DCANTABELL_WERROR=$(WERROR) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target cantabell_fuzz
	@tests/fuzz/run $(FUZZ_BUILD) $(FUZZ_SECONDS)

test: test-unit test-asan test-fuzz

bench: deps
	@cmake -S . -B $(BENCH_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DCANTABELL_BENCH=ON -DCANTABELL_TESTS=OFF >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@bench/run-all $(BENCH_BUILD)

# A Debian package in $(DEB_BUILD) (installed under /usr), built as Debian builds its packages:
# with the hardening flags of dpkg-buildflags (fortified string functions, stack protector,
# immediate binding), in a folder of its own so that the test build keeps its flags. Inspect it
# with dpkg-deb -I / -c.
DEB_BUILD ?= build-deb
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package: deps
	@cmake -S . -B $(DEB_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCANTABELL_TESTS=OFF \
		-DCMAKE_INSTALL_PREFIX=/usr \
		-DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CXXFLAGS) $$($(DEB_FLAGS) CPPFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" >/dev/null
	@cmake --build $(DEB_BUILD) -j $(JOBS) --target cantabell cantabell_compressed_docs
	cd $(DEB_BUILD) && cpack -G DEB

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails when a C++ file differs from what `make format` would make of it.
format-check:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(DEB_BUILD)
