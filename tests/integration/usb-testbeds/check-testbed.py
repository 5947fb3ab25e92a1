#!/usr/bin/env python3
# Runs lsusb and the command-line host inside one USB testbed under umockdev (setting a large one up
# takes seconds) and checks both.
#
# usage: check-testbed.py CLI TESTBED_FOLDER
# lsusb must see what the folder's expected-lsusb.txt says (written with the testbed by
# tests/fixtures/usb-testbeds/make-testbeds.py): every device, the tree, and descriptor facts from
# `lsusb -v`. Vendor and class names come from a hardware database when one is installed, and then
# are not compared. The host must list the machine's USB keyboards with --devices and judge them
# with the USB keyboard test as MACHINES below says, attributing each warning to its keyboard; its
# run report must hold to the schema and place each keyboard where lsusb does. Exit status 0 when
# all match, 1 when something differs, 77 when umockdev-run or lsusb is missing.
import collections
import difflib
import json
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

NOT_IDENTIFIED = ("THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED",
                  0, None)
CHECK_REPORT = pathlib.Path(__file__).resolve().parent.parent / "cli" / "check-report.py"
ACME_OFFICE = (0x3a7c, 0x0101, "[Acme Input - Acme Office Keyboard]")
NANO_RECEIVER = (0x3b12, 0x52a1, "[Northwind Peripherals - Northwind Nano Receiver]")
# Per testbed: the keyboards --devices lists (vendor id, product id, USB_KEYBOARD), the USB test's
# result and its messages (key, kind, the position of the keyboard it is about in the report).
MACHINES = {
    "usb-no-keyboard": ([], 4, [NOT_IDENTIFIED]),
    "usb-mouse-only": ([], 4, [NOT_IDENTIFIED]),
    "usb-boot-keyboard": ([ACME_OFFICE], 0, []),
    "usb-wireless-receiver": ([NANO_RECEIVER], 0, []),
    "usb-superspeed-hub": ([(0x3a7c, 0x0102, "[Acme Input - Acme Compact Keyboard]")], 0, []),
    # Absent string descriptors read "-", which the test does not count as missing strings.
    "usb-keyboard-no-strings": ([(0x3b12, 0x0c11, "[- - -]")], 0, []),
    # Empty strings have no attribute, and umockdev cannot answer the control transfer that would
    # tell them from absent ones (tests/unit/usb answers it): they read "-" here.
    "usb-vendor-zero": ([(0, 0x3825, "[Tallow Devices - -]")], 5, [("USB_KEYBOARD_VID_FAIL_MESSAGE", 1, 0)]),
    "usb-empty-strings": ([(0, 0, "[- - -]")], 5,
                          [("USB_KEYBOARD_PID_FAIL_MESSAGE", 1, 0), ("USB_KEYBOARD_VID_FAIL_MESSAGE", 1, 0)]),
    "usb-truncated-descriptors": ([(0x3b12, 0x0c12, "[Northwind Peripherals - Northwind Slim Keyboard]")], 0, []),
    "usb-large-tree": ([ACME_OFFICE, NANO_RECEIVER, (0x3a7c, 0x0104, "[Acme Input - Acme Pro Keyboard]"),
                        (0x3c55, 0x3901, "[Tallow Devices - Tallow Ten-Key Board]"),
                        (0x3b12, 0x6a10, "[Northwind Peripherals - Commutateur KVM \u00e0 2 ports]")], 0, []),
}
HARDWARE_DATABASES = ("/etc/udev/hwdb.bin", "/usr/lib/udev/hwdb.bin", "/lib/udev/hwdb.bin",
                      "/etc/systemd/hwdb/hwdb.bin", "/usr/lib/systemd/hwdb/hwdb.bin")
LISTING = re.compile(r"^(Bus \d{3} Device \d{3}: ID [0-9a-f]{4}:[0-9a-f]{4})( ?.*)$")
TREE_KEY = re.compile(r"(?:Bus (\d+)\.)?Port (\d+): Dev (\d+)(?:, If (\d+))?")
KEY_VALUE = re.compile(r"^\s*(\w+)\s+(.*?)\s*$")
FACTS = {
    "Device Descriptor:": "  device bcdUSB={bcdUSB} class={bDeviceClass}/{bDeviceSubClass}/{bDeviceProtocol} "
                          "bMaxPacketSize0={bMaxPacketSize0} id={idVendor}:{idProduct} bcdDevice={bcdDevice} "
                          "configurations={bNumConfigurations}\n  iManufacturer {iManufacturer}\n"
                          "  iProduct {iProduct}\n  iSerial {iSerial}",
    "Configuration Descriptor:": "  config {bConfigurationValue} wTotalLength={wTotalLength} "
                                 "interfaces={bNumInterfaces} bmAttributes={bmAttributes} MaxPower={MaxPower}",
    "Interface Descriptor:": "    interface {bInterfaceNumber} alt {bAlternateSetting} class={bInterfaceClass}/"
                             "{bInterfaceSubClass}/{bInterfaceProtocol} endpoints={bNumEndpoints}",
    "Endpoint Descriptor:": "      endpoint {bEndpointAddress} attributes={bmAttributes} "
                            "wMaxPacketSize={wMaxPacketSize} bInterval={bInterval}",
}


# `lsusb` sorted, without the names when a database supplies them.
def listing(lines, names):
    matches = [(LISTING.match(line), line) for line in lines]
    return sorted((line if names else match[1]) if match else f"unexpected line: {line}" for match, line in matches)


# `lsusb -t` with siblings in port and interface order: lsusb prints them in the order the folder
# lists them, which depends on the filesystem, while which device hangs on which port of which hub
# does not.
def tree(lines, names):
    keyed, ancestors = [], []
    for line in lines:
        depth = len(line) - len(line.lstrip(" "))
        ancestors = [ancestor for ancestor in ancestors if ancestor[0] < depth]
        match = TREE_KEY.search(line)
        ancestors.append((depth, tuple(int(group or 0) for group in match.groups()) if match else (1 << 30,)))
        keyed.append(([key for _, key in ancestors], line if names else re.sub(r"Class=[^,]*,", "Class=?,", line)))
    return [line for _, line in sorted(keyed)]


# `lsusb -v` reduced to the lines make-testbeds.py writes under '# lsusb -v (facts)'.
def verbose_facts(lines):
    devices, facts, template, fields = [], [], None, {}
    for line in lines + [""]:
        bus = re.match(r"^Bus (\d{3}) Device (\d{3}): ID ", line)
        stripped = line.strip()
        # Any other heading (class-specific, association, hub, status) starts fields that are not
        # compared; a blank line ends the device.
        if bus or stripped in FACTS or stripped.endswith(":") or not stripped:
            if template and fields:
                facts.extend(template.format_map(fields).split("\n"))
            template, fields = FACTS.get(stripped), collections.defaultdict(lambda: "None")
            if bus:
                facts = [f"Bus {bus[1]} Device {bus[2]}"]
                devices.append((bus[1], bus[2], facts))
            continue
        match = KEY_VALUE.match(line)
        if template and match and match[1] not in fields:
            key, value = match[1], match[2]
            if key in ("iManufacturer", "iProduct", "iSerial"):
                index, _, text = value.partition(" ")
                value = f"{index} [{text}]"
            else:
                # The number; a name from a hardware database may follow it.
                value = value.split()[0] if value else value
            fields[key] = value[2:] if key in ("idVendor", "idProduct") else value
    return [line for *_, device_facts in sorted(devices, key=lambda device: device[:2]) for line in device_facts]


# Lines of text, or values compared as JSON.
def compare(title, expected, actual):
    dump = lambda line: line if isinstance(line, str) else json.dumps(line, sort_keys=True, ensure_ascii=False)
    expected, actual = [dump(line) for line in expected], [dump(line) for line in actual]
    if expected == actual:
        print(f"ok: {title} ({len(actual)} lines)")
        return True
    print(f"FAIL: {title} differs (- expected, + actual):")
    print("\n".join(list(difflib.unified_diff(expected, actual, "expected", "actual", lineterm="", n=2))[:80]))
    return False


# (bus, port numbers) -> (device number, its interfaces' drivers, speed) from `lsusb -t`, and
# (bus, device number) -> "vvvv:pppp" from `lsusb`.
def usb_places(hubs, plain):
    places, bus, chain = {}, 0, []
    for line in hubs:
        match = TREE_KEY.search(line)
        if not match:
            continue
        depth = len(line) - len(line.lstrip(" "))
        chain = [step for step in chain if step[0] < depth] + [(depth, int(match[2]))]
        bus = int(match[1]) if match[1] else bus
        driver, speed = re.search(r"Driver=([^,]*)", line), re.search(r"([0-9.]+)M$", line)
        place = places.setdefault((bus, tuple(port for _, port in chain[1:])), (int(match[3]), set(), speed[1]))
        place[1].add(driver[1] if driver else "")
    ids = {(int(match[1]), int(match[2])): match[3]
           for match in map(re.compile(r"^Bus (\d+) Device (\d+): ID (\w{4}:\w{4})").match, plain) if match}
    return places, ids


# Each keyboard of the report where lsusb has it: ids, the driver of one of its interfaces, speed.
def placed_as_lsusb(report, places, ids):
    seen, expected = [], []
    for keyboard in report["keyboards"]:
        usb = keyboard["usb"] or {"bus": 0, "portPath": "0", "driver": "", "speedMbits": 0}
        device, drivers, speed = places.get((usb["bus"], tuple(map(int, usb["portPath"].split(".")))), (0, {""}, "0"))
        seen.append([keyboard["vendorIdHex"] + ":" + keyboard["productIdHex"], usb["driver"] in drivers,
                     float(usb["speedMbits"] or 0)])
        expected.append([ids.get((usb["bus"], device)), True, float(speed)])
    return compare("report keyboards as lsusb places them", expected, seen)


def check_host(state, devices_json, usb_json, report_file, status, places, ids):
    keyboards, result, messages = MACHINES[state]
    components = json.loads(devices_json)["components"]
    # One component; no firmware facts reach a testbed machine, so no PS/2 entry comes first.
    wanted = [1] + [{"INDEX": str(index), "USB_KEYBOARD_VENDOR_ID": str(vendor),
                     "USB_KEYBOARD_PRODUCT_ID": str(product), "USB_KEYBOARD": name}
                    for index, (vendor, product, name) in enumerate(keyboards, 1)]
    listed = [len(components)] + [{property["key"]: property["value"] for property in device["properties"]}
                                  for component in components for device in component["devices"]]
    # The hex beside each decimal id is the one lsusb prints.
    hex_ids = [":".join(property["hex"] for property in device["properties"] if "hex" in property)
               for component in components for device in component["devices"]]
    report = json.loads(usb_json)
    test = report["tests"][0]
    judged = [test["id"], test["result"],
              [(message["key"], message["kind"], message["keyboard"]) for message in test["messages"]], status]
    checked = subprocess.run([sys.executable, str(CHECK_REPORT), report_file], capture_output=True, text=True)
    print(checked.stdout, end="")
    # The host's exit status: 0 for passed, with or without warnings, 1 for failed, 3 for any other result.
    return compare("--devices", wanted, listed) \
        & compare("--devices hex ids in lsusb", [True] * len(hex_ids), [i in ids.values() for i in hex_ids]) \
        & compare("-Qu", [["10.1.2", result, [list(m) for m in messages],
                          0 if result in (0, 5) else 1 if result == 1 else 3]], [judged]) \
        & compare("--json and --report", [report], [json.loads(pathlib.Path(report_file).read_text())]) \
        & (checked.returncode == 0) & placed_as_lsusb(report, places, ids)


def main():
    cli, folder = sys.argv[1], pathlib.Path(sys.argv[2])
    for tool in ("umockdev-run", "lsusb"):
        if shutil.which(tool) is None:
            print(f"SKIP: {tool} is not installed")
            return 77
    names = not any(os.path.exists(path) for path in HARDWARE_DATABASES)
    sections = re.split(r"^# (.*)\n", (folder / "expected-lsusb.txt").read_text(), flags=re.M)
    expected = {name: text.splitlines() for name, text in zip(sections[1::2], sections[2::2])}
    report_file = tempfile.NamedTemporaryFile(suffix=".json")
    views = ["lsusb", "lsusb -t", "lsusb -v", '"$0" -Mkeyboard --devices --json',
             f'"$0" -Mkeyboard -Qu --json --report={report_file.name}']
    environment = dict(os.environ, ASAN_OPTIONS="verify_asan_link_order=0")  # umockdev's preload comes first
    result = subprocess.run(["umockdev-run", "-d", str(next(folder.glob("*.umockdev"))), "--", "sh", "-c",
                             "".join(f'{view}; echo "@@@ $?"\n' for view in views), cli],
                            capture_output=True, text=True, errors="replace", env=environment, timeout=600)
    outputs = re.split(r"@@@ (\d+)\n", result.stdout)
    if len(outputs) != 2 * len(views) + 1 or any(outputs[i] != "0" for i in range(1, 6, 2)):
        print(f"FAIL: umockdev-run exited with {result.returncode}:\n{result.stdout[-2000:]}\n{result.stderr[-2000:]}")
        return 1
    plain, hubs, verbose = (outputs[index].splitlines() for index in (0, 2, 4))
    results = [compare("lsusb", listing(expected["lsusb (lines sorted)"], names), listing(plain, names)),
               compare("lsusb -t", tree(expected["lsusb -t"], names), tree(hubs, names)),
               compare("lsusb -v", expected["lsusb -v (facts)"], verbose_facts(verbose)),
               check_host(folder.name, outputs[6], outputs[8], report_file.name, int(outputs[9]),
                          *usb_places(hubs, plain))]
    print(f"{sum(results)} passed, {len(results) - sum(results)} failed")
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
