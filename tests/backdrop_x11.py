#!/usr/bin/env python3
"""The backdrop on a real X server: started on a white root window, the
program must show black around its intro screen (the window's colour is
filled by the server, with no picture of the screen kept by the program).

Usage: backdrop_x11.py PROGRAM MEDIA (runs itself under xvfb-run).
Exit code 0: black; 1: not black; 77: xvfb-run or ImageMagick missing.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time


def main():
    program, media = sys.argv[1], sys.argv[2]
    if not os.environ.get('DISPLAY'):
        if not shutil.which('xvfb-run') or not shutil.which('import'):
            return 77
        return subprocess.call(['xvfb-run', '-a', '-s', '-screen 0 1024x768x24 -ac -wr',
                                sys.executable, __file__, program, media])
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, HOME=home, SDL_AUDIODRIVER='dummy', QT_LOGGING_RULES='flumo.trace=true')
        proc = subprocess.Popen([program, '--media', media], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        try:
            for line in proc.stderr:
                if 'screen-painted name=FUvodObr1' in line:
                    break
            time.sleep(0.5)
            # Corners of the screen (backdrop) and the intro screen's middle.
            out = subprocess.run(['import', '-window', 'root', '-format',
                                  '%[pixel:p{2,2}] %[pixel:p{1020,764}] %[pixel:p{512,384}]', 'info:'],
                                 capture_output=True, text=True, check=True).stdout.split()
        finally:
            proc.terminate()
            proc.wait(5)
    print('corners and middle:', out)
    black = {'black', 'srgb(0,0,0)', 'gray(0)'}
    return 0 if out[0] in black and out[1] in black and out[2] not in black else 1


if __name__ == '__main__':
    sys.exit(main())
