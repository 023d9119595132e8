# Thin wrapper over the CMake presets.
#   make check    install what is missing, build everything, run the tests
#   make demo     build the library and `oxel` only, then parse, show and
#                 check bundled examples with it
#   make install  build the library and `oxel` (the release preset, optimised
#                 across files), then install them under /usr/local, or under
#                 PREFIX=...
#   make sanitize the test suite under AddressSanitizer and UBSan
#   make clang    the test suite built with clang++
#   make bench    a Release build timed on generated descriptions (several
#                 minutes; BENCH_SIZES="5 20" chooses the board sizes in MB)
#   make win32    cross-build the 32-bit oxel32.dll (with its import library),
#                 oxel.exe and the test suite
#   make win32-check  the 32-bit suite run under Wine and the DLL's host output
#                 compared with the Linux build's, where this machine can start
#                 32-bit programs; elsewhere the build and the DLL's export table
#                 are checked and one line says why nothing 32-bit was run
#   make win64    the same cross-built for 64-bit Windows
#   make win64-check  the 64-bit suite and host comparison under 64-bit Wine
#   make fuzz     the libFuzzer targets, each for FUZZ_SECONDS (default 600);
#                 make fuzz FUZZ_SECONDS=1800 for the long run
#   make fuzz-smoke   each fuzz target for FUZZ_RUNS inputs (about a minute)
#   make coverage the test suite built with gcov instrumentation, then the
#                 line and branch coverage of src/
#   make browser-check  each example's report and drawings opened in headless
#                 Chromium and checked from the page itself
#   make readme-picture the README's picture of an example board's chain,
#                 drawn again

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DEMO_FILE ?= examples/jx200.oxel
# Both check clean: a warning would end the demo with oxel's status 1.
CHECK_FILES ?= examples/jx200.oxel examples/px240_port_expander.oxel
FUZZ_SECONDS ?= 600
FUZZ_RUNS ?= 12000
OXEL = ./build/default/oxel

.PHONY: all deps deps-win32 deps-win64 build tool check demo install sanitize clang bench clean
.PHONY: win32 win32-check win64 win64-check
.PHONY: deps-fuzz fuzz-build fuzz fuzz-smoke deps-coverage coverage
.PHONY: deps-browser browser-check readme-picture

all: build

deps:
	@sh tools/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

check: build
	ctest --preset default -j $(JOBS)

# The library and the tool without the test suite: well under a minute on two
# cores, where the whole suite takes several.
tool: deps
	cmake --preset default
	cmake --build --preset default --target oxel -j $(JOBS)

demo: tool
	$(OXEL) --level 4 parse $(DEMO_FILE)
	$(OXEL) show $(DEMO_FILE)
	$(OXEL) check $(CHECK_FILES)

install: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	cmake --install build/release $(if $(PREFIX),--prefix $(PREFIX))

sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

clang: deps
	cmake --preset clang
	cmake --build --preset clang -j $(JOBS)
	ctest --preset clang -j $(JOBS)

BENCH_SIZES ?= 5 20 50
bench: deps
	cmake --preset bench -DOXEL_BENCH_SIZES="$(BENCH_SIZES)"
	cmake --build --preset bench -j $(JOBS) --target bench

deps-win32:
	@sh tools/install-deps.sh win32

win32: deps-win32
	cmake --preset win32
	cmake --build --preset win32 -j $(JOBS)

# The Linux build first: its host's output is what the DLL's is compared with.
win32-check: build win32
	JOBS=$(JOBS) sh tools/win32-check.sh

deps-win64:
	@sh tools/install-deps.sh win64

win64: deps-win64
	cmake --preset win64
	cmake --build --preset win64 -j $(JOBS)

win64-check: build win64
	ctest --preset win64 -j $(JOBS)

deps-fuzz:
	@sh tools/install-deps.sh fuzz

fuzz-build: deps-fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)

fuzz: fuzz-build
	sh fuzz/run_fuzzers.sh seconds $(FUZZ_SECONDS)

fuzz-smoke: fuzz-build
	sh fuzz/run_fuzzers.sh runs $(FUZZ_RUNS)

deps-coverage:
	@sh tools/install-deps.sh coverage

# Counts start from zero at every run; the report leaves out the generated
# parser and everything outside src/. The export test is left out: gcov's
# runtime adds a symbol of its own to the instrumented library.
coverage: deps-coverage
	cmake --preset coverage
	cmake --build --preset coverage -j $(JOBS)
	find build/coverage -name '*.gcda' -delete
	ctest --preset coverage -j $(JOBS) -E '^ExportedSymbols[.]'
	gcovr --root . --filter src/ --exclude-unreachable-branches --exclude-throw-branches \
	      --txt build/coverage/coverage.txt --print-summary build/coverage
	@echo "Per file: build/coverage/coverage.txt"

deps-browser:
	@sh tools/install-deps.sh browser

# The checker first shows that each of its checks catches the fault it is for.
browser-check: deps-browser tool
	cmake --build --preset default --target browser-check

readme-picture: tool
	$(OXEL) draw examples/dual_jx200_board.oxel -o readme-chain.svg

clean:
	rm -rf build
