"""Keys of the stand-in keyboard reaching the virtual keyboard through the key filter."""

from clavora_e2e import check, virtual_states

KEY_A = 0x04
LEFT_SHIFT = 0xE1


def test_unassigned_keys_pass_through_to_the_virtual_keyboard(e2e):
    app = e2e.start()
    app.emulator("clear")
    app.emulator(f"press {LEFT_SHIFT}")
    app.tap(KEY_A)
    app.emulator(f"release {LEFT_SHIFT}")
    dump = app.wait_dump(lambda d: len(virtual_states(d)) >= 4, "four keyboard reports")
    expected = [frozenset({LEFT_SHIFT}), frozenset({LEFT_SHIFT, KEY_A}), frozenset({LEFT_SHIFT}), frozenset()]
    check(virtual_states(dump) == expected, f"the virtual keyboard went through {virtual_states(dump)}")
    check(not virtual_states(dump, 3), "a consumer report came out of plain keys")
