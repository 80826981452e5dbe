# Runs scripts/install-deps where packages are missing and there is neither root nor sudo.
import os
import shutil
import subprocess
import tempfile
import unittest

SOURCE_DIR = os.environ.get(
    "OTCRAPS_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", "..")
)
TEMP_PARENT = os.environ.get("OTCRAPS_TEST_TMP") or None

# A user who is not root, whose every package is missing, on a path with no sudo; the tools the
# scripts use besides are the machine's own.
FAKES = {
    "id": "#!/bin/sh\necho 1000\n",
    "dpkg-query": "#!/bin/sh\nexit 1\n",
}
TOOLS = ["bash", "dirname", "basename", "grep"]


class InstallDepsWithoutSudo(unittest.TestCase):
    def setUp(self):
        if TEMP_PARENT:
            os.makedirs(TEMP_PARENT, exist_ok=True)
        self.root = tempfile.mkdtemp(prefix="install-deps-", dir=TEMP_PARENT)
        self.addCleanup(shutil.rmtree, self.root)
        # The scripts in a tree of their own, so that nothing they went on to do could reach
        # the project's.
        os.makedirs(os.path.join(self.root, "scripts"))
        for name in ("install-deps", "play", "check"):
            shutil.copy(
                os.path.join(SOURCE_DIR, "scripts", name), os.path.join(self.root, "scripts")
            )
        self.bin = os.path.join(self.root, "bin")
        os.makedirs(self.bin)
        for name, text in FAKES.items():
            path = os.path.join(self.bin, name)
            with open(path, "w", encoding="utf-8") as out:
                out.write(text)
            os.chmod(path, 0o755)
        for name in TOOLS:
            os.symlink(shutil.which(name), os.path.join(self.bin, name))

    def run_in_tree(self, command):
        done = subprocess.run(
            command,
            cwd=self.root,
            env={"PATH": self.bin, "HOME": self.root},
            capture_output=True,
            text=True,
            timeout=60,
        )
        self.assertEqual(done.returncode, 1, done.stderr)
        return done.stderr

    def test_by_hand_it_names_the_su_command_and_nothing_to_run_after(self):
        # A person's shell, which stays the script's parent.
        said = self.run_in_tree(["bash", "-c", "scripts/install-deps play; exit $?"])
        installer = os.path.join(self.root, "scripts", "install-deps")
        self.assertIn("su -c '" + installer + " play'", said)
        self.assertNotIn("again", said)

    def test_from_play_or_check_it_says_to_run_that_script_again(self):
        for script in ("play", "check"):
            with self.subTest(script):
                said = self.run_in_tree(["scripts/" + script])
                self.assertIn(" " + script + "'", said)
                self.assertTrue(said.endswith("then run scripts/" + script + " again.\n"), said)


if __name__ == "__main__":
    unittest.main()
