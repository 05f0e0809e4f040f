# Entry points of the README: `make run` builds and starts the workbench
# (pass files with FILES="a.miz b.miz"), `make test` builds and runs every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: deps configure build run test asan bench deb install fuzz clean

deps:
	@scripts/install-deps

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(BUILD_DIR)/src/app/quill-miz $(FILES)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
asan:
	$(MAKE) test BUILD_DIR=build-asan BUILD_TYPE=Debug CMAKE_FLAGS=-DQUILL_SANITIZE=ON

# A Debian package of the install rules, in the build folder.
deb: build
	cd $(BUILD_DIR) && cpack -G DEB

install: build
	cmake --install $(BUILD_DIR)

# Every fuzz target, built with clang, FUZZ_RUNS inputs each.
FUZZ_RUNS ?= 1000000
fuzz:
	@scripts/install-deps fuzz
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DQUILL_FUZZ=ON -DQUILL_BUILD_TESTS=OFF -DQUILL_WERROR=OFF
	cmake --build build-fuzz -j$(JOBS) --target fuzz_Lang fuzz_MizarMsg fuzz_Highlighter fuzz_LineCutter \
	  fuzz_SettingsFile fuzz_KeywordFile
	fuzz/run-all build-fuzz $(FUZZ_RUNS)

bench: build
	bench/run-all $(BUILD_DIR)

clean:
	rm -rf build build-asan build-fuzz
