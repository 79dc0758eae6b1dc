# The README's commands. Each installs what the machine lacks (Debian packages, locales),
# builds, and then runs the launcher or every test.
JOBS ?= 2

.PHONY: all deps build build-sanitize test test-unit test-sanitize format-check run clean

all: build

deps:
	bash tools/install-deps.sh

build: deps
	cmake --preset linux >/dev/null
	cmake --build --preset linux -j $(JOBS)

build-sanitize: deps
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize -j $(JOBS)

# Every test of the optimised build, then the core's tests again under ASan and UBSan.
test: build build-sanitize format-check
	ctest --preset linux -j $(JOBS)
	ctest --preset sanitize -j $(JOBS) -LE e2e

format-check:
	@files=$$(git ls-files '*.h' '*.cpp'); \
	if [ -n "$$files" ]; then clang-format --dry-run -Werror $$files; fi

run: build
	bash tools/run-demo.sh

clean:
	rm -rf build
