# SPDX-License-Identifier: GPL-3.0-or-later
# Front door over CMake. `make run` builds and starts Lumo with only what that
# needs; `make test` installs the tests' tools and runs every test.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
BENCH_BUILD ?= build-release
PACKAGE_BUILD ?= build-package
PREFIX ?= /usr/local
CMAKE_FLAGS ?=
export JOBS

# cmake --build runs make again below this one; its "Entering directory"
# lines are noise here.
MAKEFLAGS += --no-print-directory

# $(call configure,FOLDER,CMAKE ARGUMENTS): one line saying so, then CMake
# quietly (its errors still show).
configure_in = echo "configuring $(1)" && cmake -S . -B $(1) $(2) $(CMAKE_FLAGS) >/dev/null
# $(call stage,TEXT): a heading for one stage of a long run.
stage = @printf '\n== %s\n' "$(1)"

.PHONY: all deps test-deps app configure build run test test-fast test-asan test-fuzz bench clean

all: app

deps:
	@./scripts/bootstrap

test-deps:
	@./scripts/bootstrap --test

# The application, the listings and the files its install lays out; no test suite.
APP_TARGETS = lumo lumo-holidays lumo-koyomi lumo_icons lumo_docs
app: deps
	@$(call configure_in,$(BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=ON -DBUILD_TESTING=OFF)
	@./scripts/build $(BUILD) $(APP_TARGETS)

run: app
	@echo "starting $(BUILD)/lumo"
	@./$(BUILD)/lumo

# Everything, the test suites included, in the same build folder.
configure: test-deps
	@$(call configure_in,$(BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=ON -DBUILD_TESTING=ON)

build: configure
	@./scripts/build $(BUILD)

# Every test, then the same tests built with ASan + UBSan, then a bounded fuzz
# run. The times are those of a first run on two cores; later runs rebuild
# only what changed.
test: test-fast test-asan test-fuzz

test-fast:
	$(call stage,fast tests: build and run every test (about 7 minutes; the first time 4 more to install the tests' tools))
	@$(MAKE) build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: test-deps
	$(call stage,sanitizer build: the same tests under ASan + UBSan (about 12 minutes))
	@$(call configure_in,$(ASAN_BUILD),-DCMAKE_BUILD_TYPE=Debug -DWARNINGS_AS_ERRORS=ON -DSANITIZE=ON)
	@./scripts/build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE nosanitize

# The settings reader under libFuzzer (Clang, ASan + UBSan) for FUZZ_SECONDS,
# from the seed corpus; a crash, a hang, a leak or an out-of-range value fails it.
# New inputs go to $(FUZZ_BUILD)/corpus, which later runs start from.
test-fuzz: test-deps
	$(call stage,fuzz: the settings reader under libFuzzer for $(FUZZ_SECONDS) s (about a minute and a half with its build))
	@export CXX=clang++ && $(call configure_in,$(FUZZ_BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=ON -DLUMO_FUZZ=ON -DBUILD_TESTING=ON)
	@./scripts/build $(FUZZ_BUILD) fuzz_settings
	@mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/fuzz_settings -max_total_time=$(FUZZ_SECONDS) -timeout=5 -rss_limit_mb=2048 \
		-max_len=8192 -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus tests/settings/fuzz_corpus 2>$(FUZZ_BUILD)/fuzz.log \
		|| { tail -n 60 $(FUZZ_BUILD)/fuzz.log; exit 1; }
	@grep -E '^(Done|stat::number_of_executed_units)' $(FUZZ_BUILD)/fuzz.log || true

bench:
	@./scripts/bootstrap --bench
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DLUMO_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench_*; do echo "== $$b"; $$b || exit 1; done

# Regenerates docs/performance.md: start-up, memory and idle CPU of Lumo beside
# a bare Qt window and gsimplecal, and the micro-benchmarks. About 5 minutes on
# two cores, most of it three idle minutes; run it on a quiet machine.
# `make perf IDLE_SECONDS=5 PERF_OUT=-` is a quick look printed to the terminal.
.PHONY: perf
PERF_OUT ?= docs/performance.md
perf:
	@./scripts/bootstrap --bench
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DLUMO_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@./$(BENCH_BUILD)/perf_report $(PERF_OUT)

# Installs into $(DESTDIR)$(PREFIX), e.g. `make install PREFIX=$HOME/.local`.
# Installs what `make run` or `make build` built, as it stands, so that `sudo make
# install` builds nothing as root in the checkout; it builds the application
# first only when it was never built. `make uninstall` removes what it installed.
.PHONY: install uninstall package test-package lint spdx
install:
	@[ -x $(BUILD)/lumo ] && [ -x $(BUILD)/lumo-koyomi ] && [ -f $(BUILD)/packaging/gz/lumo.1.gz ] \
		&& [ -f $(BUILD)/packaging/icons/16x16/apps/lumo.png ] || $(MAKE) app
	@DESTDIR="$(DESTDIR)" ./scripts/install $(BUILD) "$(PREFIX)"

uninstall:
	@./scripts/uninstall $(BUILD)

# The package's contents and metadata, lintian, then its install with apt on a
# clean Debian 12 root made by debootstrap (root and the Debian mirror; a few minutes).
test-package: test-deps
	scripts/check-package --chroot

# A Release build with Debian's hardening flags, wrapped by CPack:
# $(PACKAGE_BUILD)/lumo_<version>_<arch>.deb.
buildflags = $$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get $(1))
package:
	@./scripts/bootstrap --package
	@$(call configure_in,$(PACKAGE_BUILD),-DCMAKE_BUILD_TYPE=Release -DWARNINGS_AS_ERRORS=OFF -DBUILD_TESTING=OFF \
		-DCMAKE_CXX_FLAGS="$(call buildflags,CPPFLAGS) $(call buildflags,CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(call buildflags,LDFLAGS)")
	@./scripts/build $(PACKAGE_BUILD)
	@cd $(PACKAGE_BUILD) && cpack -G DEB | grep -E 'package: .* generated' || { echo "cpack failed"; exit 1; }

# clang-format, clang-tidy on the application's sources, the folders'
# include order and the licence lines. Needs the compile database of `make configure`.
lint: configure
	@./scripts/lint $(BUILD)

# Adds the licence line to every tracked source file that lacks it.
spdx:
	@./scripts/spdx

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD)

# A seeded mutation run over FILES (not part of `make test`): how many small
# faults planted in each file the tests catch, in its own build folder.
# `make mutate FILES="calendar/koyomi.cpp calendar/holidays.cpp" MUTATE_FLAGS="--count 60 -v"`
.PHONY: mutate
FILES ?=
MUTATE_FLAGS ?=
mutate: test-deps
	@test -n "$(FILES)" || { echo 'usage: make mutate FILES="calendar/koyomi.cpp ..."'; exit 2; }
	./scripts/mutate --jobs $(JOBS) $(MUTATE_FLAGS) $(FILES)
