# The README's two commands: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: setup configure build run test bench clean

setup:
	@bash scripts/setup.sh

configure: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

# Everything: the program, its databases, the tests and the benchmark.
build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only what the program needs: the program and its bundled databases.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target VTNv3_8
	$(BUILD)/VTNv3_8

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target vtn_bench
	$(BUILD)/vtn_bench

# Deletes what the build made but leaves the DataBases folder beside the program, where the
# reports a user saved are (only the two bundled databases go; the next build makes them again).
clean:
	@if [ -d $(BUILD) ]; then \
	  find $(BUILD) -mindepth 1 -maxdepth 1 ! -name DataBases -exec rm -rf {} +; \
	  rm -f $(BUILD)/DataBases/UK-National-Lottery.dat $(BUILD)/DataBases/CA-Lotto-649.dat; \
	fi
