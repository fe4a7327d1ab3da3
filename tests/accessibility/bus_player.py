#!/usr/bin/python3
"""Plays Ninefold through the accessibility bus only, as a blind player with a screen reader
would: it presses keys (xdotool) and decides from what the bus says (AT-SPI through pyatspi),
never from the screen.

  bus_player.py GAME check         the last turn of a resumed match, then New Game and a throw
                                   of the new one: the dice, the covers, "TURN OVER", the
                                   totals and the winner reach the bus as they change, and the
                                   hint is said once per press on the focus
  bus_player.py GAME play PLAYERS  a whole new match, PLAYERS 1 (against the computer) to 4,
                                   then Exit

It starts the game GAME on $DISPLAY, with its accessibility on the session's AT-SPI bus, in
English, once it listens to the bus (a listener that registers while the game starts can be
missed by Qt's bridge: a run in six then lost its focus events), and ends it at the end. Prints what the bus said; exits 1 at the first
thing missing from it.
"""

import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

NAME_CHANGED = "object:property-change:accessible-name"
FOCUSED = "object:state-changed:focused"
WAIT = 12.0  # seconds for anything the game does by itself; a hand-over takes 2.5


class Failure(Exception):
    pass


class Bus:
    """The game's accessible objects and the events they send, queued as they arrive."""

    last = None

    def __init__(self, game):
        self.events = []
        self.game = None
        Bus.last = self
        for kind in (NAME_CHANGED, FOCUSED):
            pyatspi.Registry.registerEventListener(self._heard, kind)
        self.pump(0.2)
        self.game = subprocess.Popen([game], stdout=subprocess.DEVNULL,
                                     stderr=open(os.environ.get("GAME_LOG", os.devnull), "w"))
        self.app = self._wait(self._find_app, "the game on the bus")

    def _heard(self, event):
        if event.type.startswith(FOCUSED) and not event.detail1:
            return
        try:
            name, description = event.source.name, event.source.description
            focused = event.source.getState().contains(pyatspi.STATE_FOCUSED)
        except Exception:  # an object gone with its window
            return
        self.events.append((time.monotonic(), event.type, event.source, name, description,
                            focused, is_status(event.source)))

    def pump(self, seconds=0.0):
        end = time.monotonic() + seconds
        context = GLib.MainContext.default()
        while True:
            while context.iteration(False):
                pass
            if time.monotonic() >= end:
                return
            time.sleep(0.01)

    def _wait(self, probe, what, seconds=WAIT):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            self.pump()
            found = probe()
            if found:
                return found
            time.sleep(0.02)
        raise Failure("the bus never said " + what)

    @staticmethod
    def _find_app():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "ninefold":
                return app
        return None

    def find(self, test, root=None):
        """The first showing object, depth first, that passes the test."""
        stack = [root or self.app]
        while stack:
            obj = stack.pop()
            try:
                if test(obj):
                    return obj
                if obj.getState().contains(pyatspi.STATE_SHOWING) or obj is self.app:
                    stack.extend(reversed([c for c in obj if c is not None]))
            except Exception:
                continue
        return None

    def focused(self):
        return self.find(lambda o: o.getState().contains(pyatspi.STATE_FOCUSED))

    def named(self, pattern):
        return self.find(lambda o: re.fullmatch(pattern, o.name or "") is not None
                         and o.getState().contains(pyatspi.STATE_SHOWING))

    def wait_for_window(self, pattern):
        return self._wait(lambda: self.find(
            lambda o: o.getRole() == pyatspi.ROLE_FRAME and re.fullmatch(pattern, o.name or "")
            and o.getState().contains(pyatspi.STATE_SHOWING)), "a window " + pattern)

    def next_said(self, after, seconds=WAIT):
        """What the board said first after the time `after`: the name of a status line as it
        took the focus."""
        def probe():
            for when, kind, _, name, _, _, status in self.events:
                if when > after and kind.startswith(FOCUSED) and status:
                    return (when, name)
            return None
        return self._wait(probe, "a new event on the status", seconds)


def is_status(obj):
    try:
        return obj.getRole() == pyatspi.ROLE_LABEL and \
            obj.getState().contains(pyatspi.STATE_FOCUSABLE)
    except Exception:
        return False


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "60"] + list(keys), check=True)


def focus_window_in_front():
    """Gives the keyboard to the game's window in the middle of the screen, as a window manager
    would to the window just opened (Xvfb runs without one)."""
    out = subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True, text=True,
                         check=True).stdout.split()
    subprocess.run(["xdotool", "mousemove", str(int(out[0]) // 2), str(int(out[1]) // 2)],
                   check=True)
    shell = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True,
                           text=True, check=True).stdout
    window = re.search(r"WINDOW=(\d+)", shell).group(1)
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=False)


def tab_to(bus, pattern, limit=12):
    """Tabs until the focused object's name matches; what a reader says at each Tab."""
    for _ in range(limit):
        bus.pump(0.15)
        now = bus.focused()
        if now is not None and re.fullmatch(pattern, now.name or ""):
            return now
        key("Tab")
    raise Failure("Tab never reached " + pattern)


class Board:
    """The board as the bus shows it."""

    def __init__(self, bus):
        self.bus = bus
        frame = bus.wait_for_window("Ninefold")
        self.status = bus._wait(lambda: self._focus_status(frame), "the focused status")
        self.throw = bus.named(r"Throw Dice")
        self.focused_at = time.monotonic()

    def _focus_status(self, frame):
        focus_window_in_front()
        self.bus.pump(0.2)
        now = self.bus.find(lambda o: o.getState().contains(pyatspi.STATE_FOCUSED), frame)
        return now if now is not None and is_status(now) else None

    def said(self):
        return self.bus.focused().name

    def die(self, index):
        obj = self.bus.named(("First" if index == 0 else "Second") + r" die(, \d)?")
        match = re.search(r", (\d)$", obj.name) if obj else None
        return int(match.group(1)) if match else None

    def covered_by(self, number):
        obj = self.bus.named(r"Number %d(, covered by \w+)?" % number)
        match = re.search(r"covered by (\w+)", obj.name) if obj else None
        return match.group(1) if match else None

    def open_numbers(self):
        return {n for n in range(1, 10) if self.covered_by(n) is None}

    def total(self, colour):
        obj = self.bus.named(colour + r"'s total(, \d+)?")
        match = re.search(r", (\d+)$", obj.name) if obj else None
        return int(match.group(1)) if match else 0

    def throw_offered(self):
        return self.throw.getState().contains(pyatspi.STATE_ENABLED)


def choose(dice, open_numbers):
    """The keys of a move the throw allows on the open numbers, or None: both dice's numbers
    when they differ and both are open (the larger first), else their sum."""
    if len(dice) == 1:
        return [dice[0]] if dice[0] in open_numbers else None
    a, b = dice
    if a != b and a in open_numbers and b in open_numbers:
        return sorted([a, b], reverse=True)
    if a + b <= 9 and a + b in open_numbers:
        return [a + b]
    return None


class Listener:
    """What play_turns tells as the match goes; the checks assert on it."""

    def said(self, text):
        print("bus:", text, flush=True)

    def computer_turn(self, board):
        pass

    def thrown(self, board, dice, move):
        pass

    def covered(self, board, number, said):
        pass

    def done(self):
        return False


def play_turns(bus, board, people, listener, since=0.0, player=None):
    """Plays until the result (or until the listener is done): throws on a person's turn,
    reads the dice, covers, listens to the computer. Returns the last thing said."""
    while True:
        when, said = bus.next_said(since, seconds=30)
        since = when
        listener.said(said)
        if "HAS WON" in said or "DRAW" in said or listener.done():
            return said
        turn = re.search(r"(\w+) TO PLAY", said)
        if turn:
            player = turn.group(1).capitalize()
        if player not in people:
            if player is not None:
                listener.computer_turn(board)
            continue
        covered = re.match(r"Covered (\d)", said)
        if covered:
            listener.covered(board, int(covered.group(1)), said)
        if turn or (covered and board.throw_offered()):
            bus.pump(0.1)
            key("space")
        elif said.startswith("Threw") and "TURN OVER" not in said:
            dice = [int(d) for d in re.findall(r"\d", said.split(",")[0])]
            move = choose(dice, board.open_numbers())
            listener.thrown(board, dice, move)
            if move is None:
                raise Failure("a throw said to have a move, but none found: " + said)
            for number in move:
                key(str(number))
                bus.pump(0.2)


class Checks(Listener):
    """What the check asserts as the match goes: the dice and the covers in the names at the
    moment the status says them, the hint, "Throw Dice" on the computer's turn."""

    def __init__(self, bus):
        self.bus = bus
        self.hint = None
        self.cover = None
        self.stop_when_heard = False  # play on to the result, else stop at the first cover

    def thrown(self, board, dice, move):
        if [board.die(0), board.die(1)][:len(dice)] != dice:
            raise Failure("the dice's names do not carry %r" % dice)
        if self.hint is None and move is not None:
            pressed = time.monotonic()
            key("h")
            self.bus.pump(0.8)
            said = [e[3] for e in self.bus.events if e[0] > pressed and e[1].startswith(FOCUSED)]
            if len(said) != 1 or not said[0].startswith("cover "):
                raise Failure("the hint was not said once on the focus: %r" % said)
            self.hint = said[0]
            print("hint, on the focused status:", self.hint)

    def covered(self, board, number, said):
        colour = re.search(r"(\w+)'s total (\d+)$", said)
        if not colour or board.covered_by(number) != colour.group(1) or \
                board.total(colour.group(1)) < int(colour.group(2)):
            raise Failure("the cover is not in the names as it is said: " + said)
        self.cover = said

    def computer_turn(self, board):
        if board.throw_offered():
            raise Failure("Throw Dice is offered to the reader on the computer's turn")

    def heard(self):
        return self.hint is not None and self.cover is not None

    def done(self):
        return self.stop_when_heard and self.heard()


def start_match(bus, players):
    bus.wait_for_window(r"Ninefold, title screen")
    focus_window_in_front()
    key("Tab")
    tab_to(bus, "OK")
    key("space")
    bus.wait_for_window(r"Ninefold, new game")
    focus_window_in_front()
    key("Tab")
    tab_to(bus, str(players))
    key("space")
    return Board(bus)


def play(game, players):
    bus = Bus(game)
    board = start_match(bus, players)
    people = ["Red"] if players == 1 else ["Red", "Magenta", "Yellow", "Green"][:players]
    start = time.monotonic()
    listener = Checks(bus) if players == 1 else Listener()
    said = play_turns(bus, board, people, listener)
    print("result after %.0f s: %s" % (time.monotonic() - start, said))
    tab_to(bus, "Exit")
    key("space")
    bus.wait_for_window(r"Ninefold, title screen")
    print("Exit pressed from the keyboard: back on the title screen")


def check(game):
    bus = Bus(game)
    bus.wait_for_window(r"Ninefold, title screen")
    focus_window_in_front()
    key("Tab")
    tab_to(bus, "Restart Previous Game")
    key("space")
    board = Board(bus)
    since = time.monotonic()
    print("focus on the board:", board.said())
    if "MAGENTA TO PLAY" not in board.said():
        raise Failure("the resumed turn is not said: " + board.said())
    if [board.covered_by(n) for n in range(4, 10)] != ["Magenta"] * 6:
        raise Failure("the covered numbers are not named with their player")
    if board.total("Red") != 20 or board.total("Magenta") != 39:
        raise Failure("the totals are not in their names")

    checks = Checks(bus)
    key("space")
    result = play_turns(bus, board, ["Magenta"], checks, since, "Magenta")
    said_all = [e[3] for e in bus.events if e[1].startswith(FOCUSED) and e[6]]
    over = [s for s in said_all if "TURN OVER" in s]
    if not over or not re.search(r"Red's total 20, Magenta's total \d+$", over[-1]):
        raise Failure("TURN OVER is not said with the totals")
    if not re.fullmatch(r"(RED HAS WON!|MAGENTA HAS WON!|IT'S A DRAW), END OF GAME, "
                        r"Red's total 20, Magenta's total \d+", result):
        raise Failure("the result is not said: " + result)

    # New Game from the keyboard; a first throw that covers, if the last turn had none.
    since = time.monotonic()
    tab_to(bus, "New Game")
    key("space")
    since, said = bus.next_said(since)
    print("bus:", said)
    if not said.startswith("RED TO PLAY, ROUND 1 OF 5"):
        raise Failure("New Game is not said: " + said)
    if not checks.heard():
        checks.stop_when_heard = True
        key("space")
        play_turns(bus, board, ["Red", "Magenta"], checks, since, "Red")
    print("the bus said every step")


def main():
    try:
        if sys.argv[2:3] == ["check"]:
            check(sys.argv[1])
        elif sys.argv[2:3] == ["play"] and len(sys.argv) == 4:
            play(sys.argv[1], int(sys.argv[3]))
        else:
            print(__doc__)
            return 2
    except Failure as failure:
        print("FAIL:", failure)
        return 1
    finally:
        if Bus.last is not None and Bus.last.game is not None:
            Bus.last.game.terminate()
    return 0


if __name__ == "__main__":
    sys.exit(main())
