"""The files of one installation of the game and of its player, as the
suite makes and reads them: a copy of the build folder with a question
table whose right answers the suite knows, the results file tulip.lst, the
settings INI, and the question table the game rewrites as it rotates
answers (read through the authors' tool)."""

import csv
import io
import os
import shutil
import subprocess

LETTERS = "ABCD"
LEVELS = range(1, 16)
# The build folder's parts the game only reads; a run links them.
READ_ONLY_PARTS = ("wav", "tulip.html", "sponsors.html", "support.html")
INTEGER_KEY = 0x5A


def read_ini(path):
    """An INI file of the game (cp1251), as {section: {key: value}}, names
    matched without regard to case as the game matches them. A missing file
    reads as an empty one."""
    try:
        with open(path, "rb") as file:
            text = file.read().decode("cp1251")
    except FileNotFoundError:
        return {}
    sections, current = {}, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and "]" in line:
            current = sections.setdefault(line[1:line.index("]")].strip().lower(), {})
        elif current is not None and "=" in line:
            key, value = line.split("=", 1)
            current[key.strip().lower()] = value.strip()
    return sections


def write_ini(path, section, values):
    lines = [f"[{section}]"] + [f"{key}={value}" for key, value in values.items()]
    with open(path, "wb") as file:
        file.write(("\r\n".join(lines) + "\r\n").encode("cp1251"))


def unscramble(text):
    """An integer of the results file: its decimal text, every byte XOR-ed
    with the game's key so that a player cannot simply edit his balance."""
    return int(bytes(b ^ INTEGER_KEY for b in text.encode("cp1251")).decode("ascii"))


class Question:
    def __init__(self, level, text, answers, right):
        self.level, self.text, self.answers, self.right = level, text, list(answers), right

    @property
    def right_answer(self):
        return self.answers[LETTERS.index(self.right)]

    def letter_of(self, answer):
        return LETTERS[self.answers.index(answer)]

    def same_as(self, other):
        return (self.text, self.answers, self.right) == (other.text, other.answers, other.right)

    def __repr__(self):
        return f"<level {self.level}: {self.text} {self.answers} right {self.right}>"


def known_questions(prefix="Вопрос", right_letters=None):
    """One question a level; the right answer is 'Верно N', under the letter
    given (by default A, B, C, D in turn)."""
    questions = []
    for level in LEVELS:
        right = (right_letters or {}).get(level, LETTERS[(level - 1) % 4])
        wrong = iter(f"Неверно {level}-{i}" for i in range(1, 4))
        answers = [f"Верно {level}" if letter == right else next(wrong) for letter in LETTERS]
        questions.append(Question(level, f"{prefix} уровня {level}?", answers, right))
    return questions


def write_sheet(path, questions):
    with open(path, "w", encoding="utf-8", newline="") as file:
        file.write("level\tquestion\tA\tB\tC\tD\tright\n")
        for q in questions:
            file.write("\t".join([str(q.level), q.text, *q.answers, q.right]) + "\n")


class QuestionTool:
    """The authors' tool zambrel-questions of the build."""

    def __init__(self, build):
        self.path = os.path.join(build, "zambrel-questions")

    def build(self, sheet, table):
        done = subprocess.run([self.path, "build", sheet, table], capture_output=True, timeout=30)
        if done.returncode != 0:
            raise AssertionError(f"zambrel-questions build failed: {done.stderr.decode()}")

    def dump(self, table):
        """The table's active questions as the game shows them."""
        done = subprocess.run([self.path, "dump", table], capture_output=True, timeout=30)
        if done.returncode != 0:
            raise ValueError(f"zambrel-questions dump failed: {done.stderr.decode(errors='replace')}")
        rows = csv.reader(io.StringIO(done.stdout.decode("utf-8")), delimiter="\t",
                          quoting=csv.QUOTE_NONE)
        next(rows)
        return [Question(int(r[0]), r[1], r[2:6], r[6]) for r in rows]


class Installation:
    """A copy of the build folder for one run: the game itself and the files
    it writes are its own, the sounds and help pages are linked; the
    question table is made from the suite's sheet. The game is started from
    another folder, its own XDG_CONFIG_HOME and HOME."""

    def __init__(self, build, root, questions):
        self.build = build
        self.root = root
        self.folder = os.path.join(root, "game")
        self.started_from = os.path.join(root, "started-from")
        self.home = os.path.join(root, "home")
        self.config = os.path.join(root, "config")
        self.tool = QuestionTool(build)
        for folder in (self.folder, self.started_from, self.home, self.config):
            os.makedirs(folder)
        self._link_or_copy("zambrel")
        shutil.copy2(os.path.join(build, "tulip.dat"), self.folder)
        for part in READ_ONLY_PARTS:
            os.symlink(os.path.join(build, part), os.path.join(self.folder, part))
        sheet = os.path.join(root, "questions.tsv")
        write_sheet(sheet, questions)
        self.tool.build(sheet, self.table)

    def _link_or_copy(self, name):
        # The game takes its folder from its own path, so a symbolic link
        # would send it to the build folder: a hard link or a copy it is.
        source, target = os.path.join(self.build, name), os.path.join(self.folder, name)
        try:
            os.link(source, target)
        except OSError:
            shutil.copy2(source, target)

    @property
    def program(self):
        return os.path.join(self.folder, "zambrel")

    @property
    def table(self):
        return os.path.join(self.folder, "TULIP.DBF")

    @property
    def results_file(self):
        return os.path.join(self.folder, "tulip.lst")

    @property
    def settings_file(self):
        return os.path.join(self.config, "ZeZoza", "Zambrel.ini")

    @property
    def clip_counter_file(self):
        return os.path.join(self.config, "ZeZoza", "tulip.ini")

    @property
    def clips_file(self):
        return os.path.join(self.folder, "tulip.dat")

    def seed_settings(self, values):
        """Settings as a player left them in an earlier run."""
        os.makedirs(os.path.dirname(self.settings_file), exist_ok=True)
        write_ini(self.settings_file, "Zambrel", values)

    def settings(self):
        return read_ini(self.settings_file).get("zambrel", {})

    def setting_int(self, key, default=None):
        value = self.settings().get(key.lower())
        return default if value is None else int(value)

    def results(self):
        return read_ini(self.results_file)

    def player(self, name):
        """A player's record in the results file, or None."""
        record = self.results().get(name.lower())
        if record is None:
            return None
        return PlayerRecord(record)

    def table_now(self):
        return self.tool.dump(self.table)


class PlayerRecord:
    def __init__(self, record):
        self.balance = unscramble(record["состояние"]) if "состояние" in record else None
        self.games = unscramble(record["игра"]) if "игра" in record else None
        self.city = record.get("место")
        self.last_right_answer = record.get("dt")

    def __repr__(self):
        return f"<balance {self.balance} in {self.games} games, {self.city}, {self.last_right_answer}>"
