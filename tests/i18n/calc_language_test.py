#!/usr/bin/python3
"""querlin-calc speaks the language of the environment, and only where a
person reads it.

    calc_language_test.py QUERLIN_CALC TS_FILE...

For every shipped language, from its .ts file: LANGUAGE=<language> gives the
help of check in that language, a fault message in it, and the very same
output keys, numbers, JSON and batch lines as English. German is also held to
its own words, so that the table-driven part cannot pass by reading back what
it was given.
"""
import os
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

DESIGN = ["--frequency", "7.1", "--length", "40", "--element", "0.08", "--position", "50"]
NOT_A_NUMBER = ('--%1: "%2" is not a number (a decimal point, or --locale for the user\'s '
                'decimal comma).')
FAULTY = ["dipole", "--frequency", "x", "--length", "40", "--element", "0.08", "--position", "50"]


def translations(ts_file):
    found = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        for message in context.iter("message"):
            found[(context.findtext("name"), message.findtext("source"))] = (
                message.findtext("translation") or "")
    return found


def run(calc, language, words, stdin=None):
    environment = dict(os.environ, LANGUAGE=language)
    return subprocess.run([calc, *words], env=environment, input=stdin, capture_output=True,
                          text=True, check=False)


def main():
    calc, ts_files = sys.argv[1], sys.argv[2:]
    failures = []

    def expect(condition, what):
        if not condition:
            failures.append(what)

    english_check = run(calc, "en", ["check", *DESIGN])
    expect(english_check.returncode == 0, f"check failed in English: {english_check.stderr}")
    english_batch = run(calc, "en", ["--batch"], " ".join(FAULTY) + "\n")
    english_json = run(calc, "en", [*FAULTY, "--json"])
    languages = []
    for ts_file in ts_files:
        language = Path(ts_file).stem.split("_", 1)[1]
        languages.append(language)
        said = translations(ts_file)
        usage = said[("querlin-calc", "Usage: ")]
        help_text = run(calc, language, ["check", "--help"])
        expect(help_text.stdout.startswith(usage + "querlin-calc check --frequency"),
               f"{language}: check --help does not begin with {usage!r}: {help_text.stdout[:80]!r}")
        build_help = run(calc, language, ["build", "--help"]).stdout
        expect("options of check]" not in build_help,
               f"{language}: build --help keeps English words in its usage")
        summary = said[("querlin-calc", "The operating frequency, in MHz.")]
        expect(summary in help_text.stdout, f"{language}: check --help lacks {summary!r}")

        # A number that does not read is named by its option, in every language.
        fault = said[("querlin-calc", NOT_A_NUMBER)].replace("%1", "frequency").replace("%2", "x")
        faulty = run(calc, language, FAULTY)
        expect(faulty.returncode == 1 and faulty.stderr == fault + "\n",
               f"{language}: the fault reads {faulty.stderr!r}, not {fault!r}")

        # Figures keep their keys and numbers; a note's words are the person's.
        check = run(calc, language, ["check", *DESIGN])
        notes = [(line, english) for line, english in
                 zip(check.stdout.splitlines(), english_check.stdout.splitlines())
                 if line.startswith("winding_note ")]
        figures = [line for line in check.stdout.splitlines() if not line.startswith("winding_note ")]
        english_figures = [line for line in english_check.stdout.splitlines()
                           if not line.startswith("winding_note ")]
        expect(figures == english_figures and len(notes) == 1,
               f"{language}: check prints other keys or numbers than in English:\n{check.stdout}")
        expect(all(line != english for line, english in notes),
               f"{language}: check's winding_note is left in English")
        batch = run(calc, language, ["--batch"], " ".join(FAULTY) + "\n")
        expect(batch.stdout == english_batch.stdout,
               f"{language}: a batch's JSON changes with the language: {batch.stdout!r}")
        json = run(calc, language, [*FAULTY, "--json"])
        expect((json.stdout, json.stderr) == (english_json.stdout, english_json.stderr),
               f"{language}: --json changes with the language: {json.stderr!r}")

    expect("de" in languages, "German is not among the translations")
    german = run(calc, "de", ["check", "--help"]).stdout
    expect(german.startswith("Aufruf: querlin-calc check"), f"German help: {german[:40]!r}")
    expect("Die Betriebsfrequenz in MHz." in german, "German help lacks its --frequency")
    faulty = run(calc, "de", FAULTY)
    expect(faulty.stderr == "--frequency: „x“ ist keine Zahl (ein Dezimalpunkt, oder --locale für "
           "das Dezimalkomma des Benutzers).\n",
           f"German fault: {faulty.stderr!r}")
    # LANG alone, as a German desktop sets it, with no LANGUAGE.
    environment = {k: v for k, v in os.environ.items() if k not in ("LANGUAGE", "LC_ALL")}
    environment.update(LANG="de_DE.UTF-8", LC_MESSAGES="de_DE.UTF-8")
    by_lang = subprocess.run([calc, *FAULTY], env=environment, capture_output=True, text=True,
                             check=False)
    expect(by_lang.stderr == faulty.stderr, f"LANG=de_DE.UTF-8 gives {by_lang.stderr!r}")

    for failure in failures:
        print(failure)
    if failures:
        sys.exit(f"{len(failures)} failures")
    print(f"querlin-calc speaks {', '.join(languages)} as the environment asks")


main()
