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


class UnitKey(unittest.TestCase):
    """A unit's key from its preprocessed text, which has no comments, and
    the tree's own files whole."""

    def key_in(self, top, header_text, extra=()):
        os.makedirs(os.path.join(top, "room"), exist_ok=True)
        with open(os.path.join(top, "room", "thing.h"), "w") as f:
            f.write(header_text)
        with open(os.path.join(top, "room", "thing.cpp"), "w") as f:
            f.write('#include "room/thing.h"\nint main() { return thing(); }\n')
        source = os.path.join(top, "room", "thing.cpp")
        unit = {"directory": top, "file": source,
                "arguments": ["c++", "-I", top] + list(extra) + ["-c", source, "-o", "thing.o"]}
        manifests = os.path.join(top, "manifests")
        os.makedirs(manifests, exist_ok=True)
        return clang_tidy_units.unit_key(unit, top, b"shared", clang_tidy_units.FileDigests(), manifests)

    def test_a_nolint_in_an_own_header_changes_the_key_and_the_checkout_does_not(self):
        import tempfile
        header = "inline int thing() { return 0; }\n"
        with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
            plain = self.key_in(os.path.join(a, "one"), header)
            self.assertIsNotNone(plain)
            self.assertEqual(self.key_in(os.path.join(b, "two"), header), plain)
            silenced = self.key_in(os.path.join(a, "three"), header.replace("\n", " // NOLINT\n"))
            self.assertNotEqual(silenced, plain)

    def test_the_forced_precompiled_header_is_not_part_of_the_command(self):
        import tempfile
        header = "inline int thing() { return 0; }\n"
        with tempfile.TemporaryDirectory() as a:
            pch = os.path.join(a, "pch", "cmake_pch.hxx")
            os.makedirs(os.path.dirname(pch))
            open(pch, "w").close()
            plain = self.key_in(os.path.join(a, "one"), header)
            forced = self.key_in(os.path.join(a, "two"), header, ["-Winvalid-pch", "-include", pch])
            self.assertEqual(forced, plain)


if __name__ == "__main__":
    unittest.main()
