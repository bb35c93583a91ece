# Deux commandes suffisent sur une Debian 12 neuve :
#   make run   installe, construit (Release) et lance calvane
#   make test  installe, construit et passe toute la suite de tests
# make test-asan passe les tests d'affichage et d'analyse sous AddressSanitizer et UBSan.

PRESET ?= release
JOBS ?= $(shell nproc)

.PHONY: run test test-asan build dependances bench clean

dependances:
	@scripts/installer-dependances.sh

build: dependances
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./build/$(PRESET)/app/calvane

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET) -j $(JOBS)

test-asan: dependances
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --preset asan -j $(JOBS)

bench: build
	./build/$(PRESET)/bench/calvane-bench

clean:
	rm -rf build
