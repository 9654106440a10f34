# Two commands for a fresh Debian machine:
#   make run    installs what is missing, builds and starts the game
#   make test   installs what is missing, builds and runs every test
#   make install          installs the built game under PREFIX (/usr/local), below DESTDIR
#   make package          builds a Debian package of the game
BUILD ?= build
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifeq ($(CI),true)
CMAKE_FLAGS += -DZUNBARIO_WERROR=ON
endif

.PHONY: all deps build run test bench install package clean

all: build

deps:
	./tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/zunbario

# The figures' tests (label perf) measure time and load: they run alone, in `make bench`.
test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -LE perf

bench: build
	./bench/run.sh $(BUILD)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

package: build
	cd $(BUILD) && cpack

# The build folder is also the player's folder: its high scores and saved game survive a clean.
clean:
	@keep=$$(mktemp -d) && \
	for f in record1.dat record2.dat; do \
	  if [ -f $(BUILD)/data/$$f ]; then mv $(BUILD)/data/$$f $$keep/; fi; \
	done && \
	rm -rf $(BUILD) && \
	if [ -n "$$(ls -A $$keep)" ]; then mkdir -p $(BUILD)/data && mv $$keep/* $(BUILD)/data/; fi && \
	rmdir $$keep
