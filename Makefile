# Zielmark: every command installs what is missing, configures and builds first.
.PHONY: test run fuzz bench dist clean clean-chroot setup

test:
	bash scripts/test.sh

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
