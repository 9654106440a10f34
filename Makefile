# Two commands for a fresh Debian machine:
#   make run    installs what is missing, builds and starts the game
#   make test   installs what is missing, builds and runs every test, in this build and in the
#               sanitized one (CMake preset "sanitized", in build-sanitized)
#   make install          installs the built game under PREFIX (/usr/local), below DESTDIR
#   make package          builds a Debian package of the game
BUILD ?= build
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
SANITIZED_FLAGS ?=
ifeq ($(CI),true)
CMAKE_FLAGS += -DZUNBARIO_WERROR=ON
SANITIZED_FLAGS += -DZUNBARIO_WERROR=ON
endif

.PHONY: all deps build sanitized run test bench install package clean

all: build

deps:
	./tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# The core, its tests and the fuzzers built again under the sanitizers, with clang.
sanitized: deps
	cmake --preset sanitized $(SANITIZED_FLAGS)
	cmake --build --preset sanitized -j $(JOBS)

run: build
	./$(BUILD)/zunbario

# The figures' tests (label perf) measure time and load: they run alone, in `make bench`.
test: build sanitized
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -LE perf
	ctest --preset sanitized -j $(JOBS)

bench: build
	./bench/run.sh $(BUILD)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

package: build
	cd $(BUILD) && cpack

# The build folder is also the player's folder: its high scores and saved game survive a clean.
clean:
	@keep=$$(mktemp -d) && \
	for f in record1.dat record2.dat zunbario.conf; do \
	  if [ -f $(BUILD)/data/$$f ]; then mv $(BUILD)/data/$$f $$keep/; fi; \
	done && \
	rm -rf $(BUILD) build-sanitized && \
	if [ -n "$$(ls -A $$keep)" ]; then mkdir -p $(BUILD)/data && mv $$keep/* $(BUILD)/data/; fi && \
	rmdir $$keep
