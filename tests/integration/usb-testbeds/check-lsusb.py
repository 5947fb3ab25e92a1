#!/usr/bin/env python3
"""Runs lsusb inside a USB testbed and checks that it sees what the testbed's description meant.

usage: check-lsusb.py TESTBED_FOLDER
    TESTBED_FOLDER holds <state>.umockdev and expected-lsusb.txt (both written by
    tests/fixtures/usb-testbeds/make-testbeds.py from the same description).

Three views are compared with the expected file:
    lsusb       every device: bus and device number, vendor and product id, the names shown
    lsusb -t    the tree: root hubs, ports, device numbers, interfaces, drivers, speeds
    lsusb -v    descriptor facts parsed from the verbose dump: device descriptor fields, the
                string descriptors lsusb reads from sysfs, configurations, interfaces, endpoints
Names that lsusb takes from a hardware database rather than from the testbed (vendor and class
names) are left out of the comparison when such a database is installed, because then they
depend on the machine and not on the testbed.
Exit status: 0 when all views match, 1 when one differs, 77 when umockdev-run or lsusb is missing.
"""
import difflib
import os
import pathlib
import re
import shutil
import subprocess
import sys
from typing import Dict, List, Tuple

SKIP = 77
HARDWARE_DATABASES = ("/etc/udev/hwdb.bin", "/usr/lib/udev/hwdb.bin", "/lib/udev/hwdb.bin",
                      "/etc/systemd/hwdb/hwdb.bin", "/usr/lib/systemd/hwdb/hwdb.bin")


VIEWS = ((), ("-t",), ("-v",))
SEPARATOR = "@@@ lsusb view ended with status"


def run_in_testbed(testbed: pathlib.Path) -> List[str]:
    """The three views from one umockdev-run, since setting up a large testbed takes seconds."""
    script = "; ".join(f"lsusb {' '.join(view)}; echo \"{SEPARATOR} $?\"" for view in VIEWS)
    result = subprocess.run(["umockdev-run", "-d", str(testbed), "--", "sh", "-c", script],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=600)
    stdout = result.stdout.decode(errors="replace")
    chunks = stdout.split(SEPARATOR)
    if result.returncode != 0 or len(chunks) != len(VIEWS) + 1:
        raise RuntimeError(f"umockdev-run exited with {result.returncode}: "
                           f"{result.stderr.decode(errors='replace')[-2000:]}")
    outputs = []
    for view, chunk, following in zip(VIEWS, chunks, chunks[1:]):
        status = following.split("\n", 1)[0].strip()
        if status != "0":
            raise RuntimeError(f"lsusb {' '.join(view)} exited with {status}: "
                               f"{result.stderr.decode(errors='replace')[-2000:]}")
        outputs.append(chunk.split("\n", 1)[1] if chunk.startswith(" ") else chunk)
    return outputs


def expected_sections(path: pathlib.Path) -> Dict[str, List[str]]:
    sections: Dict[str, List[str]] = {}
    current = None
    for line in path.read_text().splitlines():
        if line.startswith("# "):
            current = line[2:]
            sections[current] = []
        elif current is not None:
            sections[current].append(line)
    for name in ("lsusb (lines sorted)", "lsusb -t", "lsusb -v (facts)"):
        if name not in sections or not sections[name]:
            raise RuntimeError(f"{path}: section '# {name}' is missing or empty")
    return sections


# lsusb: "Bus 001 Device 002: ID 3a7c:0101 Acme Input Acme Office Keyboard"
LISTING = re.compile(r"^(Bus \d{3} Device \d{3}: ID [0-9a-f]{4}:[0-9a-f]{4})( ?.*)$")


def plain_listing(output: str, names: bool) -> List[str]:
    lines = []
    for line in output.splitlines():
        match = LISTING.match(line)
        if not match:
            lines.append(f"unexpected line: {line}")
        else:
            lines.append(line if names else match.group(1))
    return sorted(lines)


TREE_KEY = re.compile(r"(?:Bus (\d+)\.)?Port (\d+): Dev (\d+)(?:, If (\d+))?")


def tree_listing(lines: List[str], names: bool) -> List[str]:
    """The tree with siblings in port and interface order: lsusb -t prints them in the order
    the directory lists them, which depends on the filesystem, while which device hangs on
    which port of which hub does not."""
    if not names:
        lines = [re.sub(r"Class=[^,]*,", "Class=?,", line) for line in lines]

    def depth(line: str) -> int:
        return len(line) - len(line.lstrip(" "))

    def key(line: str) -> Tuple[int, ...]:
        match = TREE_KEY.search(line)
        if not match:
            return (1 << 30,)
        return tuple(int(group) if group else 0 for group in match.groups())

    def subtrees(block: List[str]) -> List[List[str]]:
        trees: List[List[str]] = []
        for line in block:
            if trees and depth(line) > depth(trees[-1][0]):
                trees[-1].append(line)
            else:
                trees.append([line])
        return trees

    def canonical(block: List[str]) -> List[str]:
        out: List[str] = []
        for tree in sorted(subtrees(block), key=lambda t: key(t[0])):
            out.append(tree[0])
            out.extend(canonical(tree[1:]))
        return out

    return canonical(lines)


KEY_VALUE = re.compile(r"^(\s*)(\w+)\s+(.*?)\s*$")


def verbose_facts(output: str) -> List[str]:
    """Reduces `lsusb -v` to the lines make-testbeds.py writes under '# lsusb -v (facts)'."""
    devices: List[Tuple[Tuple[int, int], List[str]]] = []
    facts: List[str] = []
    context = None
    fields: Dict[str, str] = {}

    def flush() -> None:
        nonlocal fields
        if context == "device" and fields:
            facts.append(f"  device bcdUSB={fields.get('bcdUSB')} class={fields.get('bDeviceClass')}/"
                         f"{fields.get('bDeviceSubClass')}/{fields.get('bDeviceProtocol')} "
                         f"bMaxPacketSize0={fields.get('bMaxPacketSize0')} "
                         f"id={fields.get('idVendor', '')[2:]}:{fields.get('idProduct', '')[2:]} "
                         f"bcdDevice={fields.get('bcdDevice')} configurations={fields.get('bNumConfigurations')}")
            for key in ("iManufacturer", "iProduct", "iSerial"):
                index, _, text = fields.get(key, "").partition(" ")
                facts.append(f"  {key} {index} [{text}]")
        elif context == "config" and fields:
            facts.append(f"  config {fields.get('bConfigurationValue')} wTotalLength={fields.get('wTotalLength')} "
                         f"interfaces={fields.get('bNumInterfaces')} bmAttributes={fields.get('bmAttributes')} "
                         f"MaxPower={fields.get('MaxPower')}")
        elif context == "interface" and fields:
            facts.append(f"    interface {fields.get('bInterfaceNumber')} alt {fields.get('bAlternateSetting')} "
                         f"class={fields.get('bInterfaceClass')}/{fields.get('bInterfaceSubClass')}/"
                         f"{fields.get('bInterfaceProtocol')} endpoints={fields.get('bNumEndpoints')}")
        elif context == "endpoint" and fields:
            facts.append(f"      endpoint {fields.get('bEndpointAddress')} attributes={fields.get('bmAttributes')} "
                         f"wMaxPacketSize={fields.get('wMaxPacketSize')} bInterval={fields.get('bInterval')}")
        fields = {}

    headers = {"Device Descriptor:": "device", "Configuration Descriptor:": "config",
               "Interface Descriptor:": "interface", "Endpoint Descriptor:": "endpoint"}
    for line in output.splitlines():
        bus = re.match(r"^Bus (\d{3}) Device (\d{3}): ID ", line)
        stripped = line.strip()
        if bus:
            flush()
            context = None
            facts = [f"Bus {bus.group(1)} Device {bus.group(2)}"]
            devices.append(((int(bus.group(1)), int(bus.group(2))), facts))
            continue
        if stripped in headers:
            flush()
            context = headers[stripped]
            continue
        if stripped.endswith(":") or not stripped:
            # Any other heading (class-specific, association, hub, status) starts fields that
            # are not compared; a blank line ends the device.
            flush()
            context = None
            continue
        match = KEY_VALUE.match(line)
        if context and match and match.group(2) not in fields:
            key, value = match.group(2), match.group(3)
            if key in ("iManufacturer", "iProduct", "iSerial"):
                # The index, then the string exactly as lsusb shows it.
                fields[key] = value
            else:
                # The number; a name from a hardware database may follow it.
                fields[key] = value.split()[0] if value else value
    flush()
    ordered = []
    for _, device_facts in sorted(devices, key=lambda item: item[0]):
        ordered.extend(device_facts)
    return ordered


def compare(title: str, expected: List[str], actual: List[str]) -> bool:
    if expected == actual:
        print(f"ok: {title} ({len(actual)} lines)")
        return True
    print(f"FAIL: {title} differs from the description (- expected, + lsusb):")
    for number, line in enumerate(difflib.unified_diff(expected, actual, "expected", "lsusb", lineterm="", n=2)):
        if number == 80:
            print("...")
            break
        print(line)
    return False


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    folder = pathlib.Path(sys.argv[1])
    testbeds = sorted(folder.glob("*.umockdev"))
    if len(testbeds) != 1:
        print(f"{folder}: expected exactly one .umockdev file, found {len(testbeds)}")
        return 1
    for tool in ("umockdev-run", "lsusb"):
        if shutil.which(tool) is None:
            print(f"SKIP: {tool} is not installed")
            return SKIP
    names = not any(os.path.exists(path) for path in HARDWARE_DATABASES)
    if not names:
        print("note: a hardware database is installed; vendor and class names are not compared")
    expected = expected_sections(folder / "expected-lsusb.txt")
    testbed = testbeds[0]
    try:
        plain, tree, verbose = run_in_testbed(testbed)
    except (RuntimeError, subprocess.TimeoutExpired) as error:
        print(f"FAIL: {error}")
        return 1
    results = [
        compare("lsusb", plain_listing("\n".join(expected["lsusb (lines sorted)"]), names),
                plain_listing(plain, names)),
        compare("lsusb -t", tree_listing(expected["lsusb -t"], names), tree_listing(tree.splitlines(), names)),
        compare("lsusb -v", expected["lsusb -v (facts)"], verbose_facts(verbose)),
    ]
    passed = sum(results)
    print(f"{passed} passed, {len(results) - passed} failed")
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
