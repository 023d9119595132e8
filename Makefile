# Thin wrapper over the CMake presets.
#   make check    install what is missing, build everything, run the tests
#   make demo     build, then parse and show a bundled example with `oxel`
#   make sanitize the test suite under AddressSanitizer and UBSan
#   make clang    the test suite built with clang++

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DEMO_FILE ?= examples/jx200.oxel

.PHONY: all deps build check demo sanitize clang clean

all: build

deps:
	@sh tools/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

check: build
	ctest --preset default -j $(JOBS)

demo: build
	./build/default/oxel --level 4 parse $(DEMO_FILE)
	./build/default/oxel show $(DEMO_FILE)

sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

clang: deps
	cmake --preset clang
	cmake --build --preset clang -j $(JOBS)
	ctest --preset clang -j $(JOBS)

clean:
	rm -rf build
