#!/usr/bin/env python3
# Checks run reports against docs/report-schema.json, and what a schema cannot say: a message's
# keyboard is one of the report's keyboards, hex ids spell the decimal ones, a test's times lie
# within it.
#
# usage: check-report.py REPORT...
# Exit status 0 when every report holds, 1 when one does not (the reasons on standard output), 77
# when the jsonschema module is missing.
import json
import pathlib
import sys

SCHEMA = pathlib.Path(__file__).resolve().parents[3] / "docs" / "report-schema.json"


def problems(report):
    keyboards = report["keyboards"]
    for keyboard in keyboards:
        for field in ("vendorId", "productId"):
            if keyboard[field] is not None and keyboard[field + "Hex"] != f"{keyboard[field]:04x}":
                yield f"keyboard {keyboard['index']}: {field}Hex {keyboard[field + 'Hex']} is not {keyboard[field]}"
    for test in report["tests"]:
        times = [entry["atSeconds"] for entry in test["messages"] + test["progress"]]
        if times and max(times) > test["durationSeconds"] + 0.001:
            yield f"test {test['id']}: an entry at {max(times)} s after a run of {test['durationSeconds']} s"
        for message in test["messages"]:
            if message["keyboard"] is not None and message["keyboard"] >= len(keyboards):
                yield f"test {test['id']}: message {message['key']} names keyboard {message['keyboard']}"


def main():
    try:
        import jsonschema
    except ImportError:
        print("SKIP: the jsonschema module is not installed")
        return 77
    validator = jsonschema.Draft202012Validator(json.loads(SCHEMA.read_text()))
    failed = False
    for path in sys.argv[1:]:
        try:
            report = json.loads(pathlib.Path(path).read_text())
        except (OSError, ValueError) as error:
            print(f"FAIL: {path}: {error}")
            failed = True
            continue
        found = [f"{'/'.join(map(str, error.absolute_path))}: {error.message}"
                 for error in validator.iter_errors(report)]
        found = found or list(problems(report))
        for problem in found:
            print(f"FAIL: {path}: {problem}")
        failed = failed or bool(found)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
