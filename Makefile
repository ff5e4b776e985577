# Set-up and everyday commands. `make run` plays, `make test` builds and runs every test.
BUILD ?= build
WERROR := $(if $(CI),ON,OFF)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=Release -DDUNSPELT_WERROR=$(WERROR)

.PHONY: deps configure build run test bench clean

deps:
	@scripts/ensure-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	$(BUILD)/app/dunspelt

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j2

bench: build
	$(BUILD)/dunspelt_bench

clean:
	rm -rf $(BUILD)
