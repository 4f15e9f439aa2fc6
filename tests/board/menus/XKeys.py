#!/usr/bin/env python3
"""Keys pressed on the X display as a real keyboard sends them, through the XTEST extension.

    XKeys.py numlock          turns Num Lock on (presses the Num Lock key when it is off)
    XKeys.py key NAME...      presses and lets go of each key by its keycode, in order

A NAME is a key's symbol (KP_2, Return, F2): the key that carries it is pressed by its keycode
alone, with no modifier key pressed or let go around it, so with Num Lock on the keypad gives its
digits. xdotool instead presses Num Lock around every keypad digit, which a real keyboard never
does. Uses only the X libraries that come with xdotool.
"""
import ctypes
import sys
import time

NUM_LOCK_LED = 2  # bit 1 of the indicator state
PRESS_S = 0.03
BETWEEN_S = 0.08

x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
x11.XKeysymToKeycode.restype = ctypes.c_ubyte
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XkbGetIndicatorState.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.POINTER(ctypes.c_uint)]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]


def keycode(display, name):
    symbol = x11.XStringToKeysym(name.encode())
    code = x11.XKeysymToKeycode(display, symbol) if symbol else 0
    if code == 0:
        sys.exit(f"XKeys: no key gives {name}")
    return code


def tap(display, code):
    xtst.XTestFakeKeyEvent(display, code, 1, 0)
    x11.XSync(display, 0)
    time.sleep(PRESS_S)
    xtst.XTestFakeKeyEvent(display, code, 0, 0)
    x11.XSync(display, 0)
    time.sleep(BETWEEN_S)


def num_lock_on(display):
    state = ctypes.c_uint()
    x11.XkbGetIndicatorState(display, 0x100, ctypes.byref(state))  # 0x100: the core keyboard
    return bool(state.value & NUM_LOCK_LED)


def main():
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("XKeys: no X display")
    if len(sys.argv) >= 2 and sys.argv[1] == "numlock":
        if not num_lock_on(display):
            tap(display, keycode(display, "Num_Lock"))
        if not num_lock_on(display):
            sys.exit("XKeys: Num Lock stays off")
    elif len(sys.argv) >= 3 and sys.argv[1] == "key":
        for code in [keycode(display, name) for name in sys.argv[2:]]:
            tap(display, code)
    else:
        sys.exit(__doc__)
    x11.XCloseDisplay(display)


main()
