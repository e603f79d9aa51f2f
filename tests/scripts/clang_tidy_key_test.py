"""The clang-tidy keys of scripts/clang_tidy_units.py mean the same on every
machine: a fresh clone on a machine with another processor must find the
repository's list of clean units valid, or it analyses every unit again."""
import os
import sys
import unittest

sys.dont_write_bytecode = True  # the run leaves nothing in the tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import clang_tidy_units  # noqa: E402

VERSION = """Debian LLVM version 14.0.6

  Optimized build.
  Default target: x86_64-pc-linux-gnu
  Host CPU: %s
"""


class SharedKey(unittest.TestCase):
    def test_the_host_processor_decides_nothing(self):
        keys = {clang_tidy_units.shared_key(b"Checks: '*'", VERSION % cpu)
                for cpu in ("znver3", "icelake-client", "rocketlake", "generic")}
        self.assertEqual(len(keys), 1)

    def test_what_decides_a_verdict_changes_the_key(self):
        base = clang_tidy_units.shared_key(b"Checks: '*'", VERSION % "znver3")
        other_release = VERSION.replace("14.0.6", "15.0.7") % "znver3"
        other_target = VERSION.replace("x86_64-pc-linux-gnu", "i686-pc-linux-gnu") % "znver3"
        for config, version in ((b"Checks: '-*'", VERSION % "znver3"), (b"Checks: '*'", other_release),
                                (b"Checks: '*'", other_target)):
            self.assertNotEqual(clang_tidy_units.shared_key(config, version), base)


if __name__ == "__main__":
    unittest.main()
