#!/usr/bin/python3
# The reference for the paced-link figures: the same exchange as the tool's,
# written as plainly as pyserial allows. Sends one sentence at 38400 8N1 with
# XON/XOFF and reads lines until one begins with the expected answer.
# Usage: serial_exchange.py DEVICE SENTENCE ANSWER...   (SENTENCE without CR LF)
import sys
import serial

port = serial.Serial(sys.argv[1], 38400, xonxoff=True, timeout=3)
port.write(sys.argv[2].encode("ascii") + b"\r\n")
answers = tuple(a.encode("ascii") for a in sys.argv[3:])
while not port.readline().startswith(answers):
    pass
