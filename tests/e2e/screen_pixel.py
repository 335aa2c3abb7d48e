#!/usr/bin/env python3
"""Prints the colour of one pixel of the X screen ($DISPLAY) as "R G B": a screenshot of a
single pixel, read through Xlib so that no image tool is needed.
Usage: screen_pixel.py X Y"""
import ctypes
import sys

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XGetPixel.restype = ctypes.c_ulong
x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
x11.XDestroyImage.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

ALL_PLANES = 0xFFFFFFFF
Z_PIXMAP = 2

x, y = int(sys.argv[1]), int(sys.argv[2])
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no X display")
image = x11.XGetImage(display, x11.XDefaultRootWindow(display), x, y, 1, 1, ALL_PLANES, Z_PIXMAP)
if not image:
    sys.exit("no image at %d,%d" % (x, y))
pixel = x11.XGetPixel(image, 0, 0)  # a 24-bit TrueColor screen: 0xRRGGBB
print((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF)
x11.XDestroyImage(image)
x11.XCloseDisplay(display)
