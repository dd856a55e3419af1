#!/usr/bin/env python3
"""Prints one table of the program's speed and size figures beside their
targets: launch to the first painted intro (warm and with the page cache
dropped), peak memory on the intro and after ten problems of each exercise,
problem build per exercise (first and steady), highlight move, and the media
pack's generation (from empty and unchanged) and size.

Run through scripts/bench.sh, which provides the virtual X display. Needs a
built tree (flumo, mediagen, bench_problemcycle and the media folder in
build/), xdotool, and root for dropping the page cache (otherwise the cold
launch is reported as not measured).
"""
import argparse
import os
import re
import resource
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

TARGETS = {
    'intro_warm': 60.0,      # ms
    'intro_cold': 150.0,     # ms
    'memory': 45.0,          # MiB, after ten problems (and on the intro)
    'build_steady': 2.0,     # ms
    'build_first': 10.0,     # ms
    'fill': 5.0,             # ms, the largest region of a colouring picture
    'media_empty': 60.0,     # s
    'media_unchanged': 2.0,  # s
    'media_size': 80.0,      # MB (10^6 bytes)
}


class Program:
    """One run of the program with its trace read line by line."""

    def __init__(self, build, media, home):
        env = dict(os.environ)
        env.update({
            'QT_LOGGING_RULES': 'flumo.trace=true',
            # CLOCK_MONOTONIC in seconds, the clock time.monotonic() reads.
            'QT_MESSAGE_PATTERN': '%{time boot} %{message}',
            'SDL_AUDIODRIVER': 'dummy',
            'HOME': home,
        })
        self.started = time.monotonic()
        self.proc = subprocess.Popen([os.path.join(build, 'flumo'), '--media', media],
                                     stderr=subprocess.PIPE, stdout=subprocess.DEVNULL, env=env)
        self.buffer = b''

    def wait_for(self, pattern, timeout=20.0):
        """The (monotonic time, line) of the next trace line matching pattern, or None."""
        regex = re.compile(pattern)
        deadline = time.monotonic() + timeout
        fd = self.proc.stderr.fileno()
        while True:
            while b'\n' in self.buffer:
                raw, self.buffer = self.buffer.split(b'\n', 1)
                line = raw.decode('utf-8', 'replace').strip()
                parts = line.split(' ', 1)
                if len(parts) == 2 and regex.search(parts[1]):
                    try:
                        return float(parts[0]), parts[1]
                    except ValueError:
                        return time.monotonic(), parts[1]
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            ready, _, _ = select.select([fd], [], [], left)
            if ready:
                chunk = os.read(fd, 65536)
                if not chunk:
                    return None
                self.buffer += chunk

    def peak_mib(self):
        with open(f'/proc/{self.proc.pid}/status') as status:
            for line in status:
                if line.startswith('VmHWM:'):
                    return int(line.split()[1]) / 1024.0
        return None

    def end(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


def drop_page_cache():
    try:
        subprocess.run(['sync'], check=True)
        with open('/proc/sys/vm/drop_caches', 'w') as f:
            f.write('3\n')
        return True
    except OSError:
        return False


def launch_to_intro(build, media, runs, cold):
    """Milliseconds from the start of the process to the first painted intro,
    one per run, and the peak memory on the intro (MiB) of the last run."""
    times, peak = [], None
    with tempfile.TemporaryDirectory() as home:
        for _ in range(runs):
            if cold and not drop_page_cache():
                return None, None
            program = Program(build, media, home)
            try:
                seen = program.wait_for(r'^screen-painted name=FUvodObr1')
                if seen:
                    times.append((seen[0] - program.started) * 1000.0)
                    time.sleep(0.5)   # let the intro settle before its memory is read
                    peak = program.peak_mib()
            finally:
                program.end()
    return times, peak


def media_view(media, folder, task):
    """A folder that shows the media through links, with its own settings
    file that starts at task on its highest level."""
    for name in os.listdir(media):
        if name.lower() != 'param1.ini':
            os.symlink(os.path.join(media, name), os.path.join(folder, name))
    with open(os.path.join(media, 'Param1.INI'), 'rb') as f:
        settings = f.read().decode('cp1250')
    settings = re.sub(r'(?m)^Cislo ukolu=.*$', f'Cislo ukolu={task}', settings)
    settings = re.sub(r'(?m)^Uroven ukolu=.*$', 'Uroven ukolu=7', settings)
    with open(os.path.join(folder, 'Param1.INI'), 'wb') as f:
        f.write(settings.encode('cp1250'))


def ten_problems(build, media, task):
    """Peak memory (MiB) after ten problems of task: chosen on the intro with
    Enter, then nine new problems with F9. None when a problem did not come."""
    with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as view:
        media_view(media, view, task)
        program = Program(build, view, home)
        try:
            if not program.wait_for(r'^screen-painted name=FUvodObr1'):
                return None
            subprocess.run(['xdotool', 'key', 'Return'], check=False)
            for n in range(10):
                if n:
                    subprocess.run(['xdotool', 'key', 'F9'], check=False)
                if not program.wait_for(rf'^problem task={task} ', timeout=15):
                    return None
            time.sleep(0.5)
            return program.peak_mib()
        finally:
            program.end()


def problem_cycle(build, media):
    """{task: {'first': ms, 'steady': ms, 'highlight': ms}} from bench_problemcycle."""
    out = subprocess.run([os.path.join(build, 'benchmarks', 'bench_problemcycle'), media],
                         capture_output=True, text=True, check=True,
                         env=dict(os.environ, SDL_AUDIODRIVER='dummy', QT_QPA_PLATFORM='offscreen')).stdout
    rows = {}
    for line in out.splitlines():
        m = re.match(r'^(\d+)\s+build \(same exercise\)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+)', line)
        if m:
            rows.setdefault(int(m.group(1)), {}).update(first=float(m.group(2)), steady=float(m.group(3)))
        m = re.match(r'^(\d+)\s+highlight move\s+([\d.]+)\s+([\d.]+)', line)
        if m:
            rows.setdefault(int(m.group(1)), {}).update(highlight=float(m.group(2)))
        m = re.match(r'^(\d+)\s+largest region fill\s+([\d.]+)\s+([\d.]+)', line)
        if m:
            rows.setdefault(int(m.group(1)), {}).update(fill=float(m.group(3)))
    return rows


def timed(cmd):
    """(wall seconds, CPU seconds of the command and its children)."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.monotonic()
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL)
    wall = time.monotonic() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return wall, (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


def disk_usage(folder):
    """(bytes on disk, apparent bytes, files)."""
    def du(*extra):
        return int(subprocess.run(['du', '-s', '--block-size=1', *extra, folder],
                                  capture_output=True, text=True, check=True).stdout.split()[0])
    files = sum(len(names) for _, _, names in os.walk(folder))
    return du(), du('--apparent-size'), files


def media_pack(build, cold_speech):
    """Generation from an empty folder and again unchanged, and the size."""
    mediagen = os.path.join(build, 'tools', 'mediagen', 'mediagen')
    with tempfile.TemporaryDirectory() as work:
        out = os.path.join(work, 'media')
        cache = os.path.join(work, 'speech-cache') if cold_speech else os.path.join(build, 'speech-cache')
        cmd = [mediagen, '--out', out, '--speech-cache', cache]
        empty = timed(cmd)
        unchanged = timed(cmd)
        size = disk_usage(out)
    return empty, unchanged, size


def verdict(value, target):
    if value is None:
        return 'not measured'
    return 'ok' if value <= target else 'MISSED'


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--build', default=os.path.join(ROOT, 'build'))
    parser.add_argument('--runs', type=int, default=7, help='launches for the warm figure (median)')
    parser.add_argument('--cold-runs', type=int, default=3, help='launches for the cold figure (median)')
    parser.add_argument('--tasks', help='exercises for the memory after ten problems '
                        '(default: every playable one but the reward games)')
    parser.add_argument('--no-media', action='store_true', help='leave out the media pack generation')
    parser.add_argument('--cold-speech', action='store_true',
                        help='generate the pack with an empty speech cache (Festival speaks everything)')
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    media = os.path.join(build, 'media')
    if not os.path.isfile(os.path.join(build, 'flumo')) or not os.path.isdir(media):
        sys.exit(f'bench: no built program and media folder in {build}')
    if not os.environ.get('DISPLAY'):
        sys.exit('bench: no X display (run scripts/bench.sh)')

    rows = []   # (figure, measured text, target text, verdict)

    def add(figure, value, text, target_key, target_text):
        rows.append((figure, text, target_text, verdict(value, TARGETS[target_key]) if target_key else ''))

    print('bench: launching to the intro ...', file=sys.stderr)
    launch_to_intro(build, media, 1, False)   # warm the page cache
    warm, intro_peak = launch_to_intro(build, media, args.runs, False)
    cold, _ = launch_to_intro(build, media, args.cold_runs, True)
    w = statistics.median(warm) if warm else None
    c = statistics.median(cold) if cold else None
    add('launch to first painted intro, warm', w,
        f'{w:.0f} ms (median of {len(warm)}, {min(warm):.0f}-{max(warm):.0f})' if w else 'not measured',
        'intro_warm', '<= 60 ms')
    add('launch to first painted intro, cold', c,
        f'{c:.0f} ms (median of {len(cold)}, {min(cold):.0f}-{max(cold):.0f})' if c
        else 'not measured (dropping the page cache needs root)', 'intro_cold', '<= 150 ms')
    add('peak memory on the intro', intro_peak, f'{intro_peak:.1f} MiB' if intro_peak else 'not measured',
        'memory', '<= 45 MiB')

    print('bench: problem builds ...', file=sys.stderr)
    cycle = problem_cycle(build, media)
    # The reward games cannot be chosen on the intro (nor started by the settings).
    tasks = [int(t) for t in args.tasks.split(',')] if args.tasks else sorted(t for t in cycle if t < 500)
    memory = {}
    for task in tasks:
        print(f'bench: ten problems of {task} ...', file=sys.stderr)
        memory[task] = ten_problems(build, media, task)

    highlight = {t: r['highlight'] for t, r in cycle.items() if 'highlight' in r}
    if highlight:
        worst = max(highlight, key=highlight.get)
        add('highlight move (slowest exercise)', highlight[worst],
            f'{highlight[worst]:.3f} ms ({worst})', None, '')
    fill = {t: r['fill'] for t, r in cycle.items() if 'fill' in r}
    if fill:
        worst = max(fill, key=fill.get)
        add('largest region fill, worst (colouring)', fill[worst],
            f'{fill[worst]:.3f} ms ({worst})', 'fill', '<= 5 ms')
    for task in sorted(set(cycle) | set(tasks)):
        r = cycle.get(task, {})
        first, steady, mem = r.get('first'), r.get('steady'), memory.get(task)
        measured = (f'{first:.2f} / {steady:.2f} ms' if first is not None else 'not measured') + ', ' + \
                   (f'{mem:.1f} MiB' if mem else ('memory not measured' if task in memory else 'memory not asked'))
        states = [verdict(first, TARGETS['build_first']), verdict(steady, TARGETS['build_steady'])]
        if task in memory:
            states.append(verdict(mem, TARGETS['memory']))
        state = 'ok' if all(s == 'ok' for s in states) else \
            ('MISSED' if 'MISSED' in states else 'not measured')
        rows.append((f'exercise {task}: build first / steady, peak after ten problems', measured,
                     '<= 10 / <= 2 ms, <= 45 MiB', state))

    if not args.no_media:
        print('bench: media pack from empty and unchanged ...', file=sys.stderr)
        (ew, ec), (uw, uc), (disk, apparent, files) = media_pack(build, args.cold_speech)
        speech = 'empty speech cache' if args.cold_speech else 'speech cache of the build'
        add('media pack from empty', ew, f'{ew:.1f} s wall, {ec:.1f} s CPU ({speech})', 'media_empty', '<= 60 s')
        add('media pack unchanged', uw, f'{uw:.2f} s wall, {uc:.2f} s CPU', 'media_unchanged', '<= 2 s')
        add('media pack on disk', disk / 1e6, f'{disk / 1e6:.1f} MB ({files} files)', 'media_size', '<= 80 MB')
        add('media pack apparent size', apparent / 1e6, f'{apparent / 1e6:.1f} MB', 'media_size', '<= 80 MB')

    widths = [max(len(r[i]) for r in rows + [('figure', 'measured', 'target', '')]) for i in range(4)]
    line = '  '.join(f'{{:<{w}}}' for w in widths)
    print(line.format('figure', 'measured', 'target', ''))
    print('  '.join('-' * w for w in widths))
    for r in rows:
        print(line.format(*r))
    print(f'\nmachine: {os.cpu_count()} cores, load average {os.getloadavg()[0]:.1f} at the end')


if __name__ == '__main__':
    main()
