#!/usr/bin/env python3
"""Mutation check: plants each fault of tests/mutation_faults.txt in a scratch copy of the
repository, rebuilds it incrementally (its own 64-bit and native builds in build/mutation/, kept
between faults), runs the tests of the fault's area and reports which of them caught it.

  tests/mutation.py --list                 the faults
  tests/mutation.py                        every fault against the tests of its area
  tests/mutation.py -f splash -f keypad    only faults whose name contains one of the words
  tests/mutation.py --tests 'config|native' | --all-tests    other tests than the area's
  nohup tests/mutation.py --report out/mutation.txt >/dev/null 2>&1 &     in the background

Each fault's original text must occur exactly once in its file; a fault whose text is gone is
reported STALE. The tests run once without a fault first; tests failing there are not counted.
"""
import argparse, os, re, shutil, subprocess, sys, time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The ctest tests that can see a fault of each area (native_tests always runs).
AREAS = {
    'config': r'config_sheet_test',
    'splash': r'splash_test|startup_test',
    'controls': r'controls_test|splash_test|config_sheet_test',
    'status': r'status_display_test|main_window|tray_help_about_test|scenario_',
    'help': r'tray_help_about_test|config_sheet_test',
    'engine': r'engine_|main_window|status_display_test|tray_help_about_test|scenario_',
    'lists': r'list_files_test|call_list_dialog_test|engine_window_test|scenario_phone_book',
    'tools': r'dbsview_test|scenario_',
    'native': r'native_tests',
}

FAULTS_FILE = os.path.join(ROOT, 'tests', 'mutation_faults.txt')


def read_faults(path=FAULTS_FILE):
    """The faults as (name, area, file, original text, replacement, what goes wrong); the file says
    how they are written."""
    faults = []
    for paragraph in re.split(r'\n\s*\n', open(path).read()):
        lines = [line for line in paragraph.split('\n') if line and not line.startswith('#')]
        if not lines:
            continue
        name, area, file = lines[0].split()
        original = '\n'.join(line[1:] for line in lines[2:] if line[0] == '-')
        replacement = '\n'.join(line[1:] for line in lines[2:] if line[0] == '+')
        faults.append((name, area, file, original, replacement, lines[1]))
    return faults


def log(line, report):
    print(line, flush=True)
    if report:
        with open(report, 'a') as out:
            out.write(line + '\n')


def sync_copy(source_root, copy_root):
    """Copies the working tree's files; only changed ones are written, so builds stay incremental."""
    listed = subprocess.run(['git', 'ls-files', '-z', '--cached', '--others', '--exclude-standard'], cwd=source_root,
                            check=True, capture_output=True).stdout.decode().split('\0')
    wanted = {name for name in listed if name and os.path.isfile(os.path.join(source_root, name))}
    for name in wanted:
        source, copy = os.path.join(source_root, name), os.path.join(copy_root, name)
        with open(source, 'rb') as f:
            data = f.read()
        if os.path.exists(copy):
            with open(copy, 'rb') as f:
                if f.read() == data:
                    continue
        os.makedirs(os.path.dirname(copy), exist_ok=True)
        shutil.copy(source, copy)  # a new time, so that make sees the change
    for folder, folders, files in os.walk(copy_root):
        if folder == copy_root and 'build' in folders:
            folders.remove('build')
        for name in files:
            path = os.path.join(folder, name)
            if os.path.relpath(path, copy_root) not in wanted:
                os.remove(path)


class Suite:
    def __init__(self, work, jobs, timeout):
        self.source = os.path.join(work, 'src')
        # Laid out as the Makefile's build folders, so that the compiler cache serves the copy too.
        self.builds = {kind: os.path.join(self.source, 'build', kind) for kind in ('native', 'win64')}
        self.jobs, self.timeout, self.log_file = jobs, timeout, os.path.join(work, 'last-run.log')

    def configure(self):
        options = {'native': ['-DCMAKE_BUILD_TYPE=Debug'],
                   'win64': ['-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake', '-DCMAKE_BUILD_TYPE=Release']}
        for kind, folder in self.builds.items():
            if not os.path.exists(os.path.join(folder, 'CMakeCache.txt')):
                self.run(['cmake', '-S', self.source, '-B', folder] + options[kind], cwd=self.source)

    def run(self, command, cwd):
        with open(self.log_file, 'a') as out:
            return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL).returncode

    def targets(self, folder, tests):
        """The programs behind the tests: each test program, or the host for a scenario."""
        listed = subprocess.run(['ctest', '-N', '-R', tests], cwd=folder, capture_output=True, text=True).stdout
        names = re.findall(r'Test\s+#\d+: (\S+)', listed)
        return sorted({'mohhost' if name.startswith('scenario_') else name for name in names})

    def build(self, tests=None, attempts=2):
        """Everything, or only what the tests run. Retried once: on a shared machine a compiler is
        now and then stopped from outside."""
        def build_all():
            for folder in self.builds.values():
                targets = self.targets(folder, tests) if tests else []
                if tests and not targets:
                    continue
                if targets and folder == self.builds['win64']:
                    targets.append('moh')
                command = ['cmake', '--build', folder, '-j', str(self.jobs)] + (['--target'] + targets if targets else [])
                if self.run(command, cwd=folder) != 0:
                    return False
            return True
        return any(build_all() for _ in range(attempts))

    def start_wine(self):
        self.run([os.path.join(ROOT, 'tools/wine-session.sh'), 'start', self.builds['win64']], cwd=ROOT)
        display = os.path.join(self.builds['win64'], 'wine-display')
        if 'DISPLAY' not in os.environ and os.path.exists(display):
            os.environ['DISPLAY'] = open(display).read().strip()

    def stop_wine(self):
        self.run([os.path.join(ROOT, 'tools/wine-session.sh'), 'stop', self.builds['win64']], cwd=ROOT)

    def failures(self, tests):
        """The failed tests, each as 'program' or 'program: Suite.Test' for the failed cases."""
        failed = set()
        for folder in self.builds.values():
            output = os.path.join(folder, 'mutation-ctest.log')
            with open(output, 'w') as out:
                subprocess.run(['ctest', '--output-on-failure', '--timeout', str(self.timeout), '-R', tests],
                               cwd=folder, stdout=out, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
            failed |= parse_ctest(open(output, errors='replace').read())
        return failed


def parse_ctest(text):
    failed, program = set(), None
    for line in text.splitlines():
        status = re.search(r'Test\s+#\d+: (\S+) \.*\**(\w+)', line)
        if status:
            program = status.group(1)
            if status.group(2) != 'Passed':
                failed.add(program)
            continue
        case = re.match(r'\[  FAILED  \] ([A-Za-z_][^\s,]*)(?:,| \(| *$)', line)
        if case and program:
            failed.add(program + ': ' + case.group(1))
    return failed


def catchers(failed, baseline):
    """The failed test cases, and the programs that failed naming no case (a crash or a time-out);
    cases that failed without the fault too are given apart."""
    cases = {t for t in failed if ': ' in t}
    programs = {t for t in failed if ': ' not in t and not any(c.startswith(t + ': ') for c in cases)}
    return sorted((cases - baseline) | programs), sorted(cases & baseline)


def plant(path, original, replacement):
    """Plants the fault and hands back the file's text, or None when the original is not there once."""
    if not os.path.exists(path):
        return None
    with open(path) as f:
        text = f.read()
    if text.count(original) != 1:
        return None
    with open(path, 'w') as f:
        f.write(text.replace(original, replacement))
    return text


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('-f', '--fault', action='append', default=[], help='faults whose name contains this word')
    parser.add_argument('--tests', help='ctest regular expression instead of the fault\'s area')
    parser.add_argument('--all-tests', action='store_true', help='every test for every fault')
    parser.add_argument('--list', action='store_true')
    parser.add_argument('--report', help='also append the report to this file')
    parser.add_argument('--work', default=os.path.join(ROOT, 'build', 'mutation'))
    parser.add_argument('--timeout', type=int, default=150, help='seconds per test program')
    parser.add_argument('--jobs', type=int, default=2)
    parser.add_argument('--no-baseline', action='store_true', help='skip the run without a fault')
    args = parser.parse_args()

    faults = [f for f in read_faults() if not args.fault or any(word in f[0] for word in args.fault)]
    if args.list:
        for name, area, path, original, _, what in faults:
            full = os.path.join(ROOT, path)
            stale = '' if os.path.exists(full) and open(full).read().count(original) == 1 else 'STALE '
            print(f'{stale}{name:36} {area:9} {path:32} {what}')
        return 0
    suite = Suite(os.path.abspath(args.work), args.jobs, args.timeout)
    sync_copy(ROOT, suite.source)
    suite.configure()
    scope = lambda area: '.' if args.all_tests else args.tests or AREAS[area] + '|native_tests|engine_tests'
    if not suite.build():
        log('the unchanged copy does not build: see ' + suite.log_file, args.report)
        return 2
    suite.start_wine()
    try:
        started = time.time()
        baseline = set() if args.no_baseline else suite.failures('|'.join(sorted({scope(f[1]) for f in faults})))
        log(f'mutation check of {subprocess.getoutput("git -C " + ROOT + " describe --always --dirty")}, '
            f'{len(faults)} faults' + (f'; failing without a fault: {", ".join(sorted(baseline))}' if baseline else ''),
            args.report)
        caught, missed = 0, []
        for name, area, path, original, replacement, what in faults:
            full = os.path.join(suite.source, path)
            text = plant(full, original, replacement)
            if text is None:
                log(f'{name}: STALE (the original text is not in {path} exactly once)', args.report)
                continue
            try:
                if not suite.build(scope(area)):
                    log(f'{name}: DOES NOT BUILD (see {suite.log_file})', args.report)
                    continue
                found, unsure = catchers(suite.failures(scope(area)), baseline)
            finally:
                with open(full, 'w') as f:
                    f.write(text)
            if found:
                caught += 1
                log(f'{name}: caught by {", ".join(found)}', args.report)
            elif unsure:
                missed.append(name)
                log(f'{name}: UNSURE (only {", ".join(unsure)}, which failed without a fault too)', args.report)
            else:
                missed.append(name)
                log(f'{name}: MISSED ({what})', args.report)
        log(f'caught {caught} of {caught + len(missed)} planted faults in {int(time.time() - started)} s'
            + (f'; missed: {", ".join(missed)}' if missed else ''), args.report)
    finally:
        suite.stop_wine()
        suite.build()
    return 0


if __name__ == '__main__':
    sys.exit(main())
