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


.PHONY: all deps test-deps app configure build run test test-fast test-asan test-fuzz bench clean

all: app

deps:
	@./scripts/bootstrap

test-deps:
	@./scripts/bootstrap --test

# The application and the icons its install lays out; no test suite.
app: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=ON -DBUILD_TESTING=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target lumo lumo_icons

run: app
	./$(BUILD)/lumo

# Everything, the test suites included, in the same build folder.
configure: test-deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=ON -DBUILD_TESTING=ON $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Every test, then the same tests built with ASan + UBSan, then a bounded fuzz run.
test: test-fast test-asan test-fuzz

test-fast: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: test-deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DWARNINGS_AS_ERRORS=ON -DSANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE nosanitize

# The settings reader under libFuzzer (Clang, ASan + UBSan) for FUZZ_SECONDS,
# from the seed corpus; a crash, a hang, a leak or an out-of-range value fails it.
# New inputs go to $(FUZZ_BUILD)/corpus, which later runs start from.
test-fuzz: test-deps
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=ON -DLUMO_FUZZ=ON -DBUILD_TESTING=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_settings
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
# first only when it was never built. cmake's list of installed files goes back
# to the build folder's owner.
.PHONY: install package test-package
install:
	@[ -x $(BUILD)/lumo ] && [ -f $(BUILD)/packaging/icons/16x16/apps/lumo.png ] || $(MAKE) --no-print-directory app
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
	@[ "$$(id -u)" -ne 0 ] || chown --reference=$(BUILD) $(BUILD)/install_manifest.txt

# The package's contents and metadata, then its install with apt on a clean
# Debian 12 root made by debootstrap (root and the Debian mirror; a few minutes).
test-package: test-deps
	scripts/check-package --chroot

# A Release build wrapped by CPack: $(PACKAGE_BUILD)/lumo_<version>_<arch>.deb.
package: deps
	@cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DWARNINGS_AS_ERRORS=OFF -DBUILD_TESTING=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)

# A seeded mutation run over FILES (not part of `make test`): how many small
# faults planted in each file the tests catch, in its own build folder.
# `make mutate FILES="calendar/koyomi.cpp calendar/holidays.cpp" MUTATE_FLAGS="--count 60 -v"`
.PHONY: mutate
FILES ?=
MUTATE_FLAGS ?=
mutate: test-deps
	@test -n "$(FILES)" || { echo 'usage: make mutate FILES="calendar/koyomi.cpp ..."'; exit 2; }
	./scripts/mutate --jobs $(JOBS) $(MUTATE_FLAGS) $(FILES)
