# Every target first makes sure the machine has what it needs (apt, only when something is
# missing), then configures and builds with CMake + Ninja.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
BENCH_BUILD ?= build-bench
LINT_BUILD ?= build-lint
JOBS       ?= $(shell nproc)
# Compiler warnings fail the build when WERROR=ON, as they do in CI (CI=true).
CI_WERROR  ?= ON
WERROR     ?= $(if $(filter true,$(CI)),$(CI_WERROR),OFF)

.PHONY: all deps configure build run test test-asan bench fuzz screenshot deb install clean \
        windows test-windows windows-deps windows-configure lint

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZANDREL_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/Zandrel

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 300

# The whole suite once more under AddressSanitizer and UBSan.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZANDREL_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) --timeout 600

# Release build of its own, so that the everyday build keeps its build type. Medians of 5
# repetitions; the repetitions of a program's benchmarks are interleaved, so that a change of load
# on the machine falls on all of them alike. A failing benchmark program stops the target.
BENCH_ARGS ?= --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
              --benchmark_report_aggregates_only=true
bench: deps
	@cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@set -e; for b in $(BENCH_BUILD)/bin/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b $(BENCH_ARGS); done

# The house style by machine: clang-format, clang-tidy, codespell and shellcheck over the files in
# git (scripts/lint.sh); fails on any finding. clang-tidy needs only a configured build folder of
# its own, with the screenshot program in, so that every source has its compile command.
# LINT_SKIP_FORMAT=1 leaves clang-format out; LINT_TR_EXCLUDE=GLOB leaves matching files out of
# the check for German outside tr().
lint:
	@scripts/install-deps.sh lint
	@cmake -S . -B $(LINT_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DZANDREL_SCREENSHOT=ON >/dev/null
	@LINT_BUILD=$(LINT_BUILD) JOBS=$(JOBS) LINT_SKIP_FORMAT=$(LINT_SKIP_FORMAT) scripts/lint.sh

# libFuzzer on the entry file reader, then on the member list reader; FUZZ_SECONDS sets how long
# each runs.
FUZZ_SECONDS ?= 600
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZANDREL_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_entryfile_reader fuzz_memberlist_reader \
	    fuzz_invitation_reader
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/corpus-memberlist $(FUZZ_BUILD)/corpus-invitation
	$(FUZZ_BUILD)/bin/fuzz_entryfile_reader -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	    $(FUZZ_BUILD)/corpus fuzz/corpus/entryfile_reader
	$(FUZZ_BUILD)/bin/fuzz_memberlist_reader -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	    $(FUZZ_BUILD)/corpus-memberlist fuzz/corpus/memberlist_reader
	$(FUZZ_BUILD)/bin/fuzz_invitation_reader -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	    $(FUZZ_BUILD)/corpus-invitation fuzz/corpus/invitation_reader

# The Debian package, written to $(BUILD)/zandrel_<version>_<arch>.deb; install it from there with
# `sudo apt install ./zandrel_*.deb`.
deb: build
	cd $(BUILD) && cpack -G DEB

# Installs into PREFIX (default /usr/local), with sudo when not run as root.
PREFIX ?= /usr/local
SUDO   ?= $(if $(filter 0,$(shell id -u)),,sudo)
install: build
	$(SUDO) cmake --install $(BUILD) --prefix $(PREFIX)

screenshot: configure
	@cmake -S . -B $(BUILD) -DZANDREL_SCREENSHOT=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target zandrel_screenshot
	$(BUILD)/bin/zandrel_screenshot docs/zandrel.png

# Windows, cross-built with MinGW-w64: `make windows` writes $(WIN_BUILD)/Zandrel-Setup-<version>.exe,
# `make test-windows` runs the suite under Wine. Qt (with ICU) is built once from Debian's source
# package into ~/.cache/zandrel (about 15 minutes; reused while scripts/windows/build-qt.sh is
# unchanged), libxlsxwriter and GoogleTest likewise (a minute).
WIN_BUILD ?= build-windows
windows-deps:
	@scripts/install-deps.sh windows
	@scripts/windows/build-qt.sh
	@scripts/windows/build-deps.sh

windows-configure: windows-deps
	@cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake \
	    -DZANDREL_MINGW_PREFIXES="$$(scripts/windows/prefixes.sh)" -DZANDREL_BENCH=OFF \
	    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null

windows: windows-configure
	@cmake --build $(WIN_BUILD) -j $(JOBS) --target all zandrel_installer
	@ls -l $(WIN_BUILD)/Zandrel-Setup-*.exe

test-windows: windows-configure
	@cmake --build $(WIN_BUILD) -j $(JOBS)
	ctest --test-dir $(WIN_BUILD) --output-on-failure -j $(JOBS) --timeout 600

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD) $(WIN_BUILD) $(LINT_BUILD)
