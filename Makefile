# Zielmark: every command installs what is missing, configures and builds first.
.PHONY: test test32 run fuzz bench dist clean clean-chroot setup

test:
	bash scripts/test.sh

# Every Wine test on the shipped 32-bit build, in an emulated machine where this one refuses 32-bit code.
test32:
	bash scripts/test32.sh

run:
	bash scripts/run.sh

fuzz:
	bash scripts/fuzz.sh

bench:
	bash scripts/bench.sh

dist:
	bash scripts/dist.sh

setup:
	bash scripts/setup.sh

clean:
	rm -rf build

# The second Wine's chroot (.cache/wine-trixie): unmounted first, so nothing outside it goes along.
clean-chroot:
	bash scripts/wine-chroot.sh remove .cache/wine-trixie
	rm -rf .cache/wine-vm32
