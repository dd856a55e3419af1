#!/usr/bin/env python3
"""Monkey test: drives the built program on an X display with seeded random
keys, clicks, moves, drags, toolbar and menu choices and settings changes,
over every exercise of the catalog and both reward games.

Findings (any one fails the run):
  crash      the program ended by a signal or with a non-zero exit code
  sanitizer  a report file appeared in the sanitizer log folder
  hang       no trace line for --hang-seconds while events went in
  settings   "Param1.INI" (the run's own and the media folder's) changed
  written    a settings file appeared in the user's configuration folder

Each run starts the program in a scratch working folder (links to the media
folder plus its own "Param1.INI" naming the start exercise), starts the
exercise from the intro screen, then sends random events. Exercises come from
the catalog file "Urov1.INI"; one the program refuses to start (not playable
yet) is reported and skipped. Reward-game runs earn a card set by solving
problems from the trace ("problem ... target=N", "target tile=N") and pick the
game on the card screen.

The script runs itself under xvfb-run (--jobs N: N monkeys, N displays).
Exit code 0: clean; 1: findings; 77: tools missing (xvfb-run, xdotool).
Uses only the Python standard library, xdotool and (for hang reports) gdb.
"""
import argparse
import hashlib
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

SCREEN_W, SCREEN_H = 1024, 768
MAIN_W, MAIN_H = 800, 600                       # intro and exercise screens
MAIN_X, MAIN_Y = (SCREEN_W - MAIN_W) // 2, (SCREEN_H - MAIN_H) // 2
PARAM_RECT = ((SCREEN_W - 457) // 2, (SCREEN_H - 530) // 2, 457, 530)
CARDS_RECT = ((SCREEN_W - 584) // 2, (SCREEN_H - 540) // 2, 584, 540)
# Design pixels (120 dpi) shrink by 118/120 on other displays; the centres
# below lie inside the boxes either way.
INTRO_CLOSE = (MAIN_X + 760, MAIN_Y + 37)
INTRO_MINIMISE_ZONE = (MAIN_X + 700, MAIN_Y + 20, MAIN_X + 780, MAIN_Y + 58)
CARD_GAME_BUTTONS = {501: (CARDS_RECT[0] + 508, CARDS_RECT[1] + 434),
                     502: (CARDS_RECT[0] + 508, CARDS_RECT[1] + 489)}
TOOLBAR_TOPS = (10, 198)                          # strip on top / between the panels
TOOLBAR_BOXES = [(0, 23), (26, 23), (52, 23), (82, 18), (100, 178), (278, 18), (306, 18), (324, 152),
                 (476, 18), (504, 18), (522, 134), (656, 18), (682, 23), (708, 23), (734, 23)]
MENU_LABELS = [(100, 178), (324, 152), (522, 134)]
REWARD_GAMES = (501, 502)
# The intro screen's small buttons: delete the cards (asks first), settings, help.
INTRO_BUTTONS = [(MAIN_X + 480, MAIN_Y + 536), (MAIN_X + 594, MAIN_Y + 544), (MAIN_X + 668, MAIN_Y + 542)]

KEYS = ([str(d) for d in range(10)] + ['KP_%d' % d for d in range(10)]
        + ['Left', 'Right', 'Up', 'Down'] * 4 + ['Return'] * 4 + ['KP_Enter', 'space', 'space', 'BackSpace',
        'Delete', 'Tab', 'shift+Tab', 'Home', 'End', 'Prior', 'Next', 'plus', 'minus', 'KP_Add',
        'KP_Subtract', 'equal', 'less', 'greater', 'comma', 'period', 'Escape', 'ctrl+z', 'ctrl+a',
        'alt+h', 'alt+p', 'Insert']
        + ['F%d' % n for n in range(1, 13)] + [chr(c) for c in range(ord('a'), ord('z') + 1)])

TRACE_PREFIX = 'flumo.trace: '
# Trace events worth a look though they fail nothing: kept in the summary.
NOTABLE = ('picture-missing', 'jpeg-error', 'colouring-missing', 'answer-unhandled', 'input-unhandled')
LEAK_SUPPRESSIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'monkey-lsan.supp')
FIELD = re.compile(r'(\w+)=("(?:[^"\\]|\\.)*"|\S*)')


def parse_line(line):
    """'event k=v ...' -> (event, {k: v}); event names may hold spaces."""
    m = FIELD.search(line)
    event = (line[:m.start()] if m else line).strip()
    fields = {}
    for k, v in FIELD.findall(line):
        if v.startswith('"'):
            v = re.sub(r'\\(.)', r'\1', v[1:-1])
        fields[k] = v
    fields['_flags'] = FIELD.sub('', line[m.start():] if m else '').split()
    return event, fields


def sha(path):
    try:
        with open(path, 'rb') as f:
            return hashlib.sha256(f.read()).hexdigest()
    except OSError:
        return None


def sanitized(program):
    """Whether the program was built with AddressSanitizer."""
    import mmap
    with open(program, 'rb') as f, mmap.mmap(f.fileno(), 0, access=mmap.ACCESS_READ) as m:
        return m.find(b'__asan_init') >= 0


def catalog_tasks(media):
    """Every exercise the catalog file names, then the two reward games."""
    for name in os.listdir(media):
        if name.lower() == 'urov1.ini':
            with open(os.path.join(media, name), 'rb') as f:
                ids = sorted({int(t) for t in re.findall(rb'^\[Ukol(\d{3})\]', f.read(), re.M)})
            return ids + list(REWARD_GAMES)
    sys.exit('monkey: no Urov1.INI in %s' % media)


class Trace:
    """Reads the program's stderr on a thread: keeps the log, the time of the
    last trace line and the state the monkey steers by."""

    def __init__(self, stream, log_path):
        self.lock = threading.Lock()
        self.started = time.monotonic()
        self.last_line = time.monotonic()
        self.lines = 0
        self.tiles = []            # (x, y, w, h) in screen coordinates
        self.target = 0
        self.task = 0
        self.tasks_seen = set()
        self.msgboxes_pending = 0
        self.counts = {}
        self.refused = set()
        self.reward_cards = False
        self.ended = False
        self.intro_shown = False
        self.screens = []          # shown screens, the front one last
        self.notable = set()
        self._log = open(log_path, 'w', encoding='utf-8', errors='replace')
        self._thread = threading.Thread(target=self._read, args=(stream,), daemon=True)
        self._thread.start()

    def _read(self, stream):
        for raw in stream:
            line = raw.decode('utf-8', 'replace').rstrip('\n')
            self.note(line)
            if not line.startswith(TRACE_PREFIX):
                continue
            event, f = parse_line(line[len(TRACE_PREFIX):])
            with self.lock:
                self.last_line = time.monotonic()
                self.lines += 1
                self.counts[event] = self.counts.get(event, 0) + 1
                if event in NOTABLE:
                    self.notable.add('%s task=%d %s' % (event, self.task, line[len(TRACE_PREFIX) + len(event) + 1:]))
                self._note(event, f)
        with self.lock:
            self._log.close()

    def note(self, text):
        """One line of the run's log, stamped with seconds since the start."""
        with self.lock:
            if not self._log.closed:
                self._log.write('%9.3f %s\n' % (time.monotonic() - self.started, text))

    def _note(self, event, f):
        if event == 'problem':
            self.task = int(f.get('task', 0))
            self.tasks_seen.add(self.task)
            self.target = int(f.get('target', 0))
            self.tiles = []
            for i in range(1, int(f.get('tiles', 0)) + 1):
                m = re.search(r'@(-?\d+),(-?\d+),(\d+),(\d+)$', f.get('tile%d' % i, ''))
                self.tiles.append(tuple(map(int, m.groups())) if m else None)
        elif event == 'target':
            self.target = int(f.get('tile', 0))
        elif event == 'msgbox':
            self.msgboxes_pending += 1
        elif event in ('problem-refused', 'intro-refused'):
            self.refused.add(int(f.get('task', 0)))
        elif event == 'cards':
            self.reward_cards = f.get('mode') == 'reward'
        elif event == 'program-ended':
            self.ended = True
        elif event == 'screen':
            name = f.get('name')
            if name in self.screens:
                self.screens.remove(name)
            if 'shown' in f.get('_flags', ()):
                self.screens.append(name)
            if name == 'FUvodObr1':
                self.intro_shown = True

    def silence(self):
        with self.lock:
            return time.monotonic() - self.last_line

    def snapshot(self, *names):
        with self.lock:
            return tuple(getattr(self, n) for n in names)

    def take_msgboxes(self):
        with self.lock:
            n, self.msgboxes_pending = self.msgboxes_pending, 0
            return n

    def wait_for(self, predicate, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            with self.lock:
                if predicate(self):
                    return True
            time.sleep(0.05)
        return False


class Monkey:
    def __init__(self, args):
        self.args = args
        self.out = os.path.abspath(args.out)
        self.san_dir = os.path.join(self.out, 'sanitizer')
        # The folder holds this monkey's findings only: earlier ones go.
        for name in os.listdir(self.out):
            if name == 'sanitizer' or name.startswith('run'):
                shutil.rmtree(os.path.join(self.out, name), ignore_errors=True)
        os.makedirs(self.san_dir, exist_ok=True)
        self.media = os.path.abspath(args.media)
        self.media_param = next((os.path.join(self.media, n) for n in os.listdir(self.media)
                                 if n.lower() == 'param1.ini'), None)
        self.media_param_hash = sha(self.media_param) if self.media_param else None
        self.totals = {'events': 0, 'runs': 0, 'crashes': 0, 'hangs': 0, 'sanitizer_reports': 0,
                       'settings_changed': 0, 'settings_written': 0, 'msgboxes': 0, 'probes': 0,
                       'closed_by_signal': 0, 'program_ended_itself': 0, 'reward_not_reached': 0}
        self.events_by_task = {}
        self.trace_counts = {}
        self.notable = set()
        self.unplayable = set()
        self.findings = []
        self.reward_start = None
        self.deadline = time.monotonic() + args.max_minutes * 60 if args.max_minutes else None
        self.tr = None
        self.xproc = None

    # ------------------------------------------------------------ X input
    def xdo(self, *cmd):
        """Sends one xdotool command line to a long-lived xdotool reading its
        commands from stdin (a process per event would cost more than the
        event on a loaded machine)."""
        line = ' '.join(str(c) for c in cmd)
        if self.tr:
            self.tr.note('> ' + line)
        for _ in range(2):
            if self.xproc is None or self.xproc.poll() is not None:
                self.xproc = subprocess.Popen(['xdotool', '-'], stdin=subprocess.PIPE, text=True,
                                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                self.xproc.stdin.write(line + '\n')
                self.xproc.stdin.flush()
                return
            except (BrokenPipeError, OSError):
                self.xproc = None

    def key(self, name):
        self.xdo('key', name)

    def click_at(self, x, y, button=1, repeat=1):
        self.xdo('mousemove', x, y, 'click', '--repeat', repeat, '--delay', 60, button)

    # ------------------------------------------------------------ a run
    def prepare_folder(self, work, task, rng):
        for name in os.listdir(self.media):
            if name.lower() != 'param1.ini':
                os.symlink(os.path.join(self.media, name), os.path.join(work, name))
        with open(self.media_param, 'rb') as f:
            text = f.read()
        reward = task in REWARD_GAMES
        values = {
            b'Cislo ukolu': str(self.reward_start if reward else task),
            b'Uroven ukolu': str(1 if reward else rng.randint(1, 7)),
            b'Pouzit karticky': '1' if reward else str(rng.randint(0, 1)),
            b'Karticka za': '1' if reward else str(rng.randint(1, 3)),
            b'Max. pocet chyb': '20' if reward else str(rng.randint(0, 5)),
            b'Pocet karticek': '0' if reward else str(rng.randint(0, 1)),
            b'Aut.posun': '0' if reward else str(rng.randint(0, 1)),
            b'Cerne pozadi': str(rng.randint(0, 1)),
            b'Autom. zmena podukolu': str(rng.randint(0, 1)),
            b'Tlacitka nahore': str(rng.randint(0, 1)),
            b'Bez nuly': str(rng.randint(0, 1)),
            b'Jedna klavesa': str(rng.randint(0, 1)),
        }
        for k, v in values.items():
            text = re.sub(rb'(?m)^(' + re.escape(k) + rb'=)[^\r\n]*', lambda m: m.group(1) + v.encode(), text)
        param = os.path.join(work, 'Param1.INI')
        with open(param, 'wb') as f:
            f.write(text)
        return param

    def run_once(self, run, task, events):
        rng = random.Random('%d-%d' % (self.args.seed, run))
        base = tempfile.mkdtemp(prefix='run%03d-' % run, dir=self.out)
        work, home = os.path.join(base, 'work'), os.path.join(base, 'home')
        os.makedirs(work)
        os.makedirs(os.path.join(home, '.config'))
        param = self.prepare_folder(work, task, rng)
        param_hash = sha(param)
        san_before = set(os.listdir(self.san_dir))
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, '.config'),
                   SDL_AUDIODRIVER='dummy', QT_LOGGING_RULES='flumo.trace=true',
                   ASAN_OPTIONS=self.sanitizer_options('ASAN_OPTIONS', 'detect_leaks=1', 'asan'),
                   LSAN_OPTIONS=':'.join(o for o in ('suppressions=' + LEAK_SUPPRESSIONS, 'print_suppressions=0',
                                                     os.environ.get('LSAN_OPTIONS', '')) if o),
                   UBSAN_OPTIONS=self.sanitizer_options('UBSAN_OPTIONS', 'print_stacktrace=1', 'ubsan'))
        env.pop('QT_QPA_PLATFORM', None)
        proc = subprocess.Popen([self.args.program, '--media', work], env=env, cwd=work,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.PIPE)
        tr = self.tr = Trace(proc.stderr, os.path.join(base, 'trace.log'))
        tr.pid = proc.pid
        st = {'run': run, 'task': task, 'events': 0, 'msgboxes': 0, 'probes': 0, 'log': base}
        try:
            self.drive(proc, tr, task, events, rng, st)
        except RunEnded as e:
            if proc.poll() is None:
                self.finding('hang', st, str(e))
        finally:
            code = self.close(proc, tr, st)
        st['exit'] = code
        st['tasks'] = sorted(tr.tasks_seen)
        st['trace_lines'] = tr.lines
        for k, v in tr.counts.items():
            self.trace_counts[k] = self.trace_counts.get(k, 0) + v
        self.notable |= tr.notable
        self.totals['runs'] += 1
        self.totals['events'] += st['events']
        self.totals['msgboxes'] += st['msgboxes']
        self.totals['probes'] += st['probes']
        if code is not None and code != 0:
            self.finding('crash', st, 'exit code %d' % code)
        new = sorted(set(os.listdir(self.san_dir)) - san_before)
        for name in new:
            self.finding('sanitizer', st, os.path.join(self.san_dir, name))
        if sha(param) != param_hash:
            self.finding('settings', st, 'Param1.INI of the run changed')
        if self.media_param and sha(self.media_param) != self.media_param_hash:
            self.finding('settings', st, 'Param1.INI of the media folder changed')
        written = [os.path.join(r, f) for r, _, fs in os.walk(os.path.join(home, '.config')) for f in fs
                   if f.lower() == 'param1.ini']
        if written:
            self.finding('written', st, ', '.join(written))
        if not self.args.keep and not st.get('keep') and not any(f['run'] == run for f in self.findings):
            shutil.rmtree(base, ignore_errors=True)
        return st

    def sanitizer_options(self, name, defaults, stem):
        """The caller's options for a sanitizer, with reports going to files
        of the run's sanitizer folder (any file there is a finding)."""
        given = os.environ.get(name, '')
        return ':'.join(o for o in (defaults, given, 'log_path=%s/%s' % (self.san_dir, stem)) if o)

    def finding(self, kind, st, detail):
        key = {'crash': 'crashes', 'sanitizer': 'sanitizer_reports', 'hang': 'hangs',
               'settings': 'settings_changed', 'written': 'settings_written'}[kind]
        self.totals[key] += 1
        self.findings.append({'kind': kind, 'run': st['run'], 'task': st['task'], 'detail': detail,
                              'log': st['log']})
        print('monkey: FINDING %s in run %d (task %d): %s' % (kind, st['run'], st['task'], detail), flush=True)

    def start_exercise(self, tr, task, st):
        if not tr.wait_for(lambda t: t.intro_shown, 120):
            raise RunEnded('the intro screen did not show')
        started = False
        for _ in range(4):
            time.sleep(0.5)
            self.focus_top(tr.pid)
            self.key('Return')
            started = tr.wait_for(lambda t: t.task or t.refused, 15)
            if started:
                break
        task_now, refused = tr.snapshot('task', 'refused')
        if not started or refused:
            return False
        if task in REWARD_GAMES:
            return self.earn_reward_game(tr, task, st)
        return task_now == task

    def earn_reward_game(self, tr, game, st):
        """Solves problems from the trace until a card set is complete, then
        picks the game on the card screen. An exercise whose problems are not
        solved by clicking the target is left for the next one (F4)."""
        deadline = time.monotonic() + 150
        tries, step = 0, 'F4'
        while time.monotonic() < deadline:
            reward, tiles, target = tr.snapshot('reward_cards', 'tiles', 'target')
            if reward:
                time.sleep(1.0)
                self.click_at(*CARD_GAME_BUTTONS[game])
                return tr.wait_for(lambda t: t.task == game, 30)
            solved = tr.counts.get('solved', 0)
            if 1 <= target <= len(tiles) and tiles[target - 1]:
                x, y, w, h = tiles[target - 1]
                self.click_at(MAIN_X + x + w // 2, MAIN_Y + y + h // 2, repeat=2)
                st['events'] += 1
            tr.wait_for(lambda t: t.reward_cards or t.counts.get('solved', 0) > solved, 4)
            tries = 0 if tr.counts.get('solved', 0) > solved else tries + 1
            if tries >= 6:
                tries = 0
                before = tr.task
                self.key(step)
                tr.wait_for(lambda t: t.task != before, 3)
                if tr.task == before:        # the end of the group: turn back
                    step = 'F3' if step == 'F4' else 'F4'
        tr.note('# reward game %d not reached' % game)
        return False

    def drive(self, proc, tr, task, events, rng, st):
        if not self.start_exercise(tr, task, st):
            if task in tr.refused or (task not in REWARD_GAMES and tr.task != task):
                self.unplayable.add(task)
                print('monkey: exercise %d not playable here; skipped' % task, flush=True)
            elif task in REWARD_GAMES:
                self.totals['reward_not_reached'] += 1
                st['keep'] = True
                print('monkey: reward game %d not reached in run %d' % (task, st['run']), flush=True)
            return
        probe_at = self.args.hang_seconds / 4
        sent = 0
        while sent < events and not self.out_of_time():
            if proc.poll() is not None or tr.snapshot('ended')[0]:
                self.totals['program_ended_itself'] += 1
                return
            n = tr.take_msgboxes()
            if n:
                st['msgboxes'] += n
                time.sleep(0.3)
                self.key(rng.choice(['Return', 'Escape']))
            quiet = tr.silence()
            if quiet > self.args.hang_seconds:
                self.report_hang(proc, tr, st, quiet)
                return
            if quiet > probe_at:
                self.probe(proc, st)
                time.sleep(1.0)
                continue
            current = tr.snapshot('task')[0]
            self.events_by_task[current] = self.events_by_task.get(current, 0) + 1
            sent += self.one_event(tr, rng)
            st['events'] = sent
            time.sleep(rng.uniform(0, self.args.pace * 2) / 1000.0)

    def out_of_time(self):
        return self.deadline is not None and time.monotonic() > self.deadline

    def focus_top(self, pid):
        """Gives the keyboard to the program's topmost window (there is no
        window manager to do it)."""
        wins = subprocess.run(['xdotool', 'search', '--onlyvisible', '--pid', str(pid)],
                              capture_output=True, text=True).stdout.split()
        if wins:
            self.xdo('windowfocus', wins[-1])

    def probe(self, proc, st):
        """The program is quiet: bring its topmost window to the keyboard and
        press keys that every screen answers with a trace line."""
        st['probes'] += 1
        self.focus_top(proc.pid)
        self.key('Escape')
        self.key('Down')

    def report_hang(self, proc, tr, st, quiet):
        shot = os.path.join(st['log'], 'hang.png')
        subprocess.run(['import', '-window', 'root', shot], stderr=subprocess.DEVNULL)
        stacks = ''
        if shutil.which('gdb'):
            stacks = subprocess.run(['gdb', '-p', str(proc.pid), '-batch', '-ex', 'thread apply all bt 30'],
                                    capture_output=True, text=True, timeout=120).stdout
            with open(os.path.join(st['log'], 'hang-stacks.txt'), 'w') as f:
                f.write(stacks)
        self.finding('hang', st, 'no trace line for %.0f s (task %d); see %s' % (quiet, tr.task, st['log']))
        st['hung'] = True

    def one_event(self, tr, rng):
        tiles, target = tr.snapshot('tiles', 'target')
        kind = rng.choices(['key', 'click', 'move', 'tile', 'solve', 'toolbar', 'menu', 'settings',
                            'drag', 'intro', 'cards', 'intro-button'],
                           [30, 20, 12, 12, 6, 7, 3, 3, 4, 2, 1, 1])[0]
        if kind == 'key':
            self.key(rng.choice(KEYS))
        elif kind in ('click', 'move'):
            x, y = self.random_point(rng)
            if kind == 'move':
                self.xdo('mousemove', x, y)
            else:
                self.click_at(x, y, rng.choice([1, 1, 1, 1, 3]), rng.choice([1, 1, 1, 2]))
        elif kind == 'tile' or (kind == 'solve' and not (1 <= target <= len(tiles))):
            live = [t for t in tiles if t]
            if not live:
                return self.one_event(tr, rng)
            x, y, w, h = rng.choice(live)
            self.click_at(MAIN_X + x + rng.randrange(max(w, 1)), MAIN_Y + y + rng.randrange(max(h, 1)),
                          1, rng.choice([1, 2]))
        elif kind == 'solve':
            if not tiles[target - 1]:
                return self.one_event(tr, rng)
            x, y, w, h = tiles[target - 1]
            self.click_at(MAIN_X + x + w // 2, MAIN_Y + y + h // 2, 1, 2)
        elif kind == 'toolbar':
            left, width = rng.choice(TOOLBAR_BOXES)
            self.click_at(MAIN_X + 20 + left + width // 2, MAIN_Y + rng.choice(TOOLBAR_TOPS) + 10)
        elif kind == 'menu':
            left, width = rng.choice(MENU_LABELS)
            top = rng.choice(TOOLBAR_TOPS)
            self.click_at(MAIN_X + 20 + left + width // 2, MAIN_Y + top + 10)
            time.sleep(0.2)
            if rng.random() < 0.5:
                self.xdo(*(['key', 'Down'] * rng.randint(1, 8) + ['key', rng.choice(['Return', 'Escape'])]))
            else:
                self.click_at(MAIN_X + 20 + left + rng.randrange(width), MAIN_Y + top + 25 + rng.randrange(200))
        elif kind == 'settings':
            self.key('alt+p')
            time.sleep(0.3)
            px, py, pw, ph = PARAM_RECT
            for _ in range(rng.randint(1, 6)):
                if rng.random() < 0.7:
                    self.click_at(px + rng.randrange(pw), py + rng.randrange(ph))
                else:
                    self.key(rng.choice(['Up', 'Down', 'space', 'Tab', '1', '9', 'BackSpace']))
            self.key(rng.choice(['Return', 'Escape']))
        elif kind == 'drag':
            x1, y1 = self.random_point(rng)
            x2, y2 = self.random_point(rng)
            self.xdo('mousemove', x1, y1, 'mousedown', 1, 'mousemove', (x1 + x2) // 2, (y1 + y2) // 2,
                     'mousemove', x2, y2, 'mouseup', 1)
        elif kind == 'intro':
            self.key('Escape')
            time.sleep(0.2)
            self.xdo(*sum([['key', rng.choice(['Left', 'Right', 'Up', 'Down'])] for _ in range(rng.randint(1, 6))], []))
            self.key('Return')
        elif kind == 'intro-button':
            self.key('Escape')
            time.sleep(0.2)
            self.click_at(*rng.choice(INTRO_BUTTONS))
            time.sleep(0.3)
            self.key(rng.choice(['Return', 'Escape']))
        elif kind == 'cards':
            self.key('alt+h')
            time.sleep(0.3)
            cx, cy, cw, ch = CARDS_RECT
            self.click_at(cx + rng.randrange(cw), cy + rng.randrange(ch))
            self.key('Escape')
        return 1

    def random_point(self, rng):
        while True:
            if rng.random() < 0.9:
                x, y = MAIN_X + rng.randrange(MAIN_W), MAIN_Y + rng.randrange(MAIN_H)
            else:
                x, y = rng.randrange(SCREEN_W), rng.randrange(SCREEN_H)
            zx1, zy1, zx2, zy2 = INTRO_MINIMISE_ZONE
            if not (zx1 <= x <= zx2 and zy1 <= y <= zy2):
                return x, y

    def close(self, proc, tr, st):
        """Ends the program the way a child does (Escape to the intro, its
        close button); a program that will not end is stopped and counted."""
        for _ in range(0 if st.get('hung') else 4):
            # The program may still be working through queued input.
            tr.wait_for(lambda t: time.monotonic() - t.last_line > 1.5, 10)
            if proc.poll() is not None:
                break
            # Escape first: it closes what the trace does not list as a
            # screen (the help page, a message box, a popup menu).
            tr.take_msgboxes()
            self.focus_top(proc.pid)
            self.key('Escape')
            time.sleep(0.5)
            for _ in range(3):
                if tr.snapshot('screens')[0][-1:] == ['FUvodObr1']:
                    break
                self.focus_top(proc.pid)
                self.key('Escape')
                tr.wait_for(lambda t: t.screens[-1:] == ['FUvodObr1'], 3)
            self.click_at(*INTRO_CLOSE)
            try:
                proc.wait(timeout=8)
            except subprocess.TimeoutExpired:
                pass
        if proc.poll() is None:
            self.totals['closed_by_signal'] += 1
            st['keep'] = True
            proc.send_signal(signal.SIGTERM)
            try:
                proc.wait(timeout=30)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
            return None
        tr._thread.join(timeout=10)
        return proc.returncode

    # ------------------------------------------------------------ all runs
    def run_all(self):
        tasks = catalog_tasks(self.media)
        if self.args.tasks:
            tasks = [int(t) for t in self.args.tasks.split(',')]
        ordinary = [t for t in tasks if t not in REWARD_GAMES]
        # Cards are earned from the first exercise of the catalog on.
        self.reward_start = min(ordinary) if ordinary else min(catalog_tasks(self.media))
        random.Random(self.args.seed).shuffle(ordinary)
        # The reward games come second and third, so that a short run has
        # them too; the first run finds a playable start exercise for them.
        order = ordinary[:1] + [t for t in tasks if t in REWARD_GAMES] + ordinary[1:]
        started = time.monotonic()
        run = 0
        while self.totals['events'] < self.args.events and not self.out_of_time():
            live = [t for t in order if t not in self.unplayable]
            if not live:
                break
            task = live[run % len(live)]
            left = self.args.events - self.totals['events']
            st = self.run_once(run, task, min(self.args.per_run, left))
            print('monkey: run %d task %d: %d events, exercises %s, %d message boxes, exit %s'
                  % (run, task, st['events'], st['tasks'], st['msgboxes'], st['exit']), flush=True)
            run += 1
            if st['events'] == 0 and task not in self.unplayable and task not in REWARD_GAMES:
                self.unplayable.add(task)
        elapsed = time.monotonic() - started
        covered = sorted(t for t, n in self.events_by_task.items() if t and n > 0)
        summary = dict(self.totals, seconds=round(elapsed, 1),
                       events_per_second=round(self.totals['events'] / elapsed, 1) if elapsed else 0,
                       catalog=len(tasks), exercises_covered=len(covered), covered=covered,
                       not_playable=sorted(self.unplayable), findings=self.findings,
                       events_by_task={str(k): v for k, v in sorted(self.events_by_task.items())},
                       trace_events=dict(sorted(self.trace_counts.items())), notable=sorted(self.notable))
        with open(os.path.join(self.out, 'summary.json'), 'w') as f:
            json.dump(summary, f, indent=1)
        print('monkey: ' + json.dumps({k: v for k, v in summary.items()
                                       if k not in ('events_by_task', 'findings', 'trace_events', 'notable')}),
              flush=True)
        bad = self.findings or self.totals['events'] == 0
        return 1 if bad else 0


class RunEnded(Exception):
    pass


def merge(out, parts, seconds):
    """One summary over the summaries of parallel jobs."""
    total = {}
    covered, unplayable, findings, events, notable = set(), set(), [], {}, set()
    for part in parts:
        notable |= set(part.get('notable', []))
        for k, v in part.get('trace_events', {}).items():
            events[k] = events.get(k, 0) + v
        for k, v in part.items():
            if isinstance(v, int) and k not in ('catalog', 'exercises_covered'):
                total[k] = total.get(k, 0) + v
        covered |= set(part['covered'])
        unplayable |= set(part['not_playable'])
        findings += part['findings']
        total['catalog'] = part['catalog']
    total.update(jobs=len(parts), seconds=round(seconds, 1),
                 events_per_second=round(total.get('events', 0) / seconds, 1) if seconds else 0,
                 exercises_covered=len(covered), covered=sorted(covered),
                 not_playable=sorted(unplayable - covered), findings=findings, trace_events=events,
                 notable=sorted(notable))
    with open(os.path.join(out, 'summary.json'), 'w') as f:
        json.dump(total, f, indent=1)
    print('monkey: ' + json.dumps({k: v for k, v in total.items() if k not in ('findings', 'trace_events', 'notable')}),
          flush=True)
    return 1 if findings or not total.get('events') else 0


def run_jobs(args):
    """Runs --jobs monkeys side by side, each on its own virtual display."""
    started = time.monotonic()
    procs = []
    for i in range(args.jobs):
        events = args.events // args.jobs + (args.events % args.jobs if i == 0 else 0)
        cmd = [sys.executable, os.path.abspath(__file__), '--program', args.program, '--media', args.media,
               '--events', str(events), '--per-run', str(args.per_run), '--seed', str(args.seed * 1000 + i),
               '--pace', str(args.pace), '--hang-seconds', str(args.hang_seconds),
               '--max-minutes', str(args.max_minutes),
               '--out', os.path.join(args.out, 'job%d' % i)]
        cmd += (['--tasks', args.tasks] if args.tasks else []) + (['--keep'] if args.keep else [])
        procs.append(subprocess.Popen(cmd))
        time.sleep(5)           # xvfb-run -a picks a display by looking: start one at a time
    for p in procs:
        p.wait()
    parts = []
    for i in range(args.jobs):
        try:
            with open(os.path.join(args.out, 'job%d' % i, 'summary.json')) as f:
                parts.append(json.load(f))
        except OSError:
            print('monkey: job %d left no summary' % i, flush=True)
            return 1
    return merge(args.out, parts, time.monotonic() - started)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--program', default=os.path.join(here, '..', 'build', 'flumo'))
    ap.add_argument('--media', help='media folder (default: "media" beside the program)')
    ap.add_argument('--events', type=int, default=3000, help='events in total')
    ap.add_argument('--per-run', type=int, default=150, help='events per program run')
    ap.add_argument('--jobs', type=int, default=1, help='monkeys side by side, each on its own display')
    ap.add_argument('--seed', type=int, default=1)
    ap.add_argument('--tasks', help='comma-separated exercises instead of the catalog')
    ap.add_argument('--pace', type=float, default=30, help='mean pause between events, ms')
    ap.add_argument('--hang-seconds', type=float, default=30)
    ap.add_argument('--max-minutes', type=float, default=0, help='stop sending events after this long')
    ap.add_argument('--out', default=None, help='folder for logs and sanitizer reports (emptied first)')
    ap.add_argument('--keep', action='store_true', help='keep every run folder')
    ap.add_argument('--use-display', action='store_true', help='drive $DISPLAY instead of a virtual one')
    args = ap.parse_args()
    args.program = os.path.abspath(args.program)
    args.media = os.path.abspath(args.media or os.path.join(os.path.dirname(args.program), 'media'))
    args.out = os.path.abspath(args.out or tempfile.mkdtemp(prefix='flumo-monkey-'))
    os.makedirs(args.out, exist_ok=True)
    if not os.access(args.program, os.X_OK) or not os.path.isdir(args.media):
        print('monkey: no program %s or no media %s' % (args.program, args.media))
        return 1
    if not shutil.which('xdotool') or not shutil.which('xvfb-run'):
        print('monkey: xdotool and xvfb-run are needed; skipped')
        return 77
    if args.jobs > 1:
        return run_jobs(args)
    # Never drive a desktop by accident: a virtual display unless asked.
    if not args.use_display and os.environ.get('FLUMO_MONKEY_DISPLAY') != '1':
        env = dict(os.environ, FLUMO_MONKEY_DISPLAY='1')
        argv = [sys.executable, os.path.abspath(__file__)] + sys.argv[1:] + ['--out', args.out]
        return subprocess.call(['xvfb-run', '-a', '-s', '-screen 0 %dx%dx24 -ac' % (SCREEN_W, SCREEN_H)] + argv,
                               env=env)
    print('monkey: program %s (%s), media %s, logs %s' % (args.program, 'sanitizers' if sanitized(args.program)
          else 'no sanitizers', args.media, args.out), flush=True)
    return Monkey(args).run_all()


if __name__ == '__main__':
    sys.exit(main())
