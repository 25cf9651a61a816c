#!/usr/bin/python3
"""Reads the running program through AT-SPI as a screen reader does, pressing
buttons by their names from the title screen to the menu, the rocks quiz and
the fossils activity. Every control there must be named, every picture
described, and the quiz's answers must be radio buttons named by the quiz
file's options in a group named by the question.  screenreader.py QUIZ-FILE"""
import sys
import time

import pyatspi


def shown(node):
    kids = (node.getChildAtIndex(i) for i in range(node.childCount))
    return [k for k in kids if k and k.getState().contains(pyatspi.STATE_SHOWING)]


def controls(node=None):
    # The screens lie on the stage; the one raised last is on top.
    for kid in shown(node or shown(shown(APP)[0])[-1]):
        yield kid
        yield from controls(kid)


def named(role, name):
    return [c for c in controls() if c.getRoleName() == role and c.name == name]


def wait_for(test, what):
    for _ in range(50):
        if test():
            return test()
        time.sleep(0.1)
    sys.exit("FAIL " + what)


def press(button, then):
    wait_for(lambda: named("push button", button), "no button %r" % button)[0].queryAction().doAction(0)
    wait_for(lambda: any(c.name == then for c in controls()), "%r did not bring %r" % (button, then))


def problems(screen, pictures, question=0):
    nodes = list(controls())
    found = ["%s without a name" % n.getRoleName() for n in nodes
             if not n.name and n.getRoleName() in ("push button", "radio button", "check box", "text")]
    described = [n for n in nodes if n.getRoleName() == "image" and n.name and n.description == n.name]
    if len(described) != pictures:
        found.append("%d pictures described, not %d" % (len(described), pictures))
    if question:
        k = 2 + 7 * (question - 1)
        # Qt presents a grouping to AT-SPI as a panel.
        answers = [[(a.getRoleName(), a.name) for a in shown(g)] for g in named("panel", QUIZ[k])]
        if answers != [[("radio button", option) for option in QUIZ[k + 1:k + 5]]]:
            found.append("answers grouped under %r: %s" % (QUIZ[k], answers))
    return [screen + ": " + f for f in found]


APP = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Terralore"), None),
               "the program is not on the accessibility bus")
QUIZ = open(sys.argv[1], encoding="cp1252", newline="").read().split("\r\n")
press("OK", "The Science of Rocks")
found = problems("menu", 1)
press("The Science of Rocks", "Multiple Choice")
press("Multiple Choice", "Next Question >>")
found += problems("quiz", 1, 1)
press("Next Question >>", QUIZ[9])
found += problems("quiz", 1, 2)
press("Exit", "Labelling Activity")
press("Labelling Activity", "Start Again")
found += problems("fossils", 4)
for f in found:
    print("FAIL " + f)
sys.exit(1 if found else 0)
