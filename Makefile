# The README's commands. Each installs what the machine lacks (Debian packages, locales),
# builds, and then runs the launcher or every test.
SHELL := /bin/bash
JOBS ?= 2

.PHONY: all deps build build-sanitize build-fuzz build-win32 build-win64 build-release static-sdl \
	disc test fuzz fuzz-short lint format-check run run-windows bench clean
FUZZ_SECONDS ?= 600

all: build

deps:
	bash tools/install-deps.sh

build: deps
	cmake --preset linux >/dev/null
	cmake --build --preset linux -j $(JOBS)

build-sanitize: deps
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize -j $(JOBS)

# The Windows launcher, cross-compiled: build/win32/bin/n5launcher.exe (the Wine tests run it).
build-win32: deps
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j $(JOBS)

# The same program built for 64-bit Windows: what the Wine tests run on a host whose kernel
# cannot execute 32-bit programs (and so not 32-bit Wine). It does not ship.
build-win64: deps
	cmake --preset win64 >/dev/null
	cmake --build --preset win64 -j $(JOBS) --target n5launcher

# The Linux launcher as it goes on the disc (build/release/bin/n5launcher): SDL2 and SDL2_ttf
# built from Debian's sources and linked in statically, like the C++ runtime.
static-sdl: deps
	JOBS=$(JOBS) bash tools/disc/static-sdl.sh build/third-party/sdl

build-release: static-sdl
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)

# The installation disc image, build/disc/n5-disc.iso (tools/disc/make-disc.sh tells the
# variables: DISC_CONTENT, DISC_ALLOW_MISSING, SIGN_CERT, SIGN_KEY, SIGN_PKCS12, SIGN_PASSWORD,
# SIGN_CA, SIGN_TIMESTAMP_URL, SOURCE_DATE_EPOCH).
export DISC_CONTENT DISC_ALLOW_MISSING SIGN_CERT SIGN_KEY SIGN_PKCS12 SIGN_PASSWORD SIGN_CA \
	SIGN_TIMESTAMP_URL
disc: build-win32 build-release
	bash tools/disc/make-disc.sh

build-fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS) --target n5_event_fuzzer

# The core against its reference model, on the committed corpus and what grows from it. New
# inputs go to build/fuzz/corpus; an input that finds a fault lands in build/fuzz/artifacts
# and belongs in tests/fuzz/corpus once the fault is fixed.
fuzz-run = mkdir -p build/fuzz/corpus build/fuzz/artifacts && \
	build/fuzz/bin/n5_event_fuzzer -max_total_time=$(1) -timeout=10 \
	  -artifact_prefix=build/fuzz/artifacts/ build/fuzz/corpus tests/fuzz/corpus

fuzz: build-fuzz
	$(call fuzz-run,$(FUZZ_SECONDS))

fuzz-short: build-fuzz
	@mkdir -p build/fuzz
	@$(call fuzz-run,30) > build/fuzz/run.log 2>&1 || { tail -n 40 build/fuzz/run.log; exit 1; }
	@echo "fuzz: $$(tail -n 1 build/fuzz/run.log)"


# Every test of the optimised build (the disc's tests read the image make disc writes), a
# bounded fuzz run, then the core's tests again under ASan and UBSan.
test: build build-sanitize build-win32 build-win64 disc format-check fuzz-short
	ctest --preset linux -j $(JOBS)
	ctest --preset sanitize -j $(JOBS) -LE e2e

# clang-tidy over every source of the Linux build (the core, the Linux front end, the tools).
lint: build
	@files=$$(git ls-files '*.cpp' | grep -v '^win32/\|^tests/'); \
	clang-tidy -p build/linux --quiet $$files 2>&1 | grep -E '(warning|error):' ; \
	test $${PIPESTATUS[0]} -eq 0

format-check:
	@files=$$(git ls-files '*.h' '*.cpp'); \
	if [ -n "$$files" ]; then clang-format --dry-run -Werror $$files; fi

run: build
	bash tools/run-demo.sh

# The Windows launcher under Wine, from a demo disc mapped as drive D:.
run-windows: build build-win32 build-win64
	bash tools/run-windows.sh

# Start-up, memory, event cost and size, side by side with the floors and a peer.
bench: deps build-win32 build-release
	cmake --preset win64 >/dev/null
	cmake --build --preset win64 -j $(JOBS)
	bash bench/run.sh

clean:
	rm -rf build

# The long soak of the Linux launcher: 100,000 harmless input events at 500 a second, with its
# memory, its CPU use once the input stops and its answers checked (make test runs a short one).
.PHONY: soak
SOAK_EVENTS ?= 100000
SOAK_RATE ?= 500
soak: build
	N5_LAUNCHER=$(CURDIR)/build/linux/bin/n5launcher N5_PROBES=$(CURDIR)/build/linux/bin/e2e_probe_points \
	  N5_SOAK=$(CURDIR)/build/linux/bin/n5-soak N5_SOURCE_DIR=$(CURDIR) \
	  N5_WORK_DIR=$(CURDIR)/build/linux/tests/linux/soak-work \
	  bash tests/linux/soak/soak_test.sh $(SOAK_EVENTS) $(SOAK_RATE)
