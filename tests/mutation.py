#!/usr/bin/env python3
"""Mutation check: plants each known fault in a scratch copy of the repository, rebuilds it
incrementally (its own 64-bit and native builds in build/mutation/, kept between faults), runs the
tests of the fault's area and reports which of them caught it.

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

# (name, area, file, original text, replacement, what goes wrong)
FAULTS = [
    ('general-rules-not-exclusive', 'config', 'config/general_page.cpp', 'if (rule != control ||', 'if (rule == control ||',
     'checking a call rule leaves the others checked'),
    ('general-minimize-not-written', 'config', 'config/general_page.cpp',
     'SaveBox(page, IDC_MINIMIZE, SET_MINIMIZE, &live.minimize);', 'live.minimize = Checked(page, IDC_MINIMIZE);',
     'OK does not store the Minimize box'),
    ('general-run-never-removed', 'config', 'config/general_page.cpp', 'RUN_AT_LOGON_VALUE, live.loadAtStartup',
     'RUN_AT_LOGON_VALUE, 1', 'switching start-up off keeps the Run registration'),
    ('general-quick-connect-not-inverted', 'config', 'config/general_page.cpp',
     'Checked(page, IDC_QUICK_CONNECT) ? 0 : 1', 'Checked(page, IDC_QUICK_CONNECT) ? 1 : 0',
     'the modem is told the box as it stands'),
    ('general-disable-keeps-rules', 'config', 'config/general_page.cpp', 'if (!enable)\n            Check(page, control, 0);',
     '', 'disabling modem-on-hold leaves a call rule checked'),
    ('sounds-logon-display-not-written', 'config', 'config/sounds_page.cpp',
     'WriteSettingBool(SET_LOGON_DISPLAY, Checked(page, IDC_LOGON_DISPLAY));', '',
     'the start-up picture box is not stored'),
    ('keypad-wrong-key', 'config', 'config/keypad_sheet.cpp', '"123456789*0#"', '"123456789*#0"',
     'the last two keys type each other\'s character'),
    ('language-reverse-order', 'config', 'config/language_page.cpp', 'order < 0 ? -1 : (order > 0 ? 1 : 0)',
     'order < 0 ? 1 : (order > 0 ? -1 : 0)', 'languages listed in reverse order'),
    ('language-no-restart', 'config', 'config/language_page.cpp', 'restartFlag = 1;', 'restartFlag = 0;',
     'another language closes the window without rebuilding it'),
    ('sheet-second-allowed', 'config', 'config/config_sheet.cpp', 'sheetOpen = 1;', 'sheetOpen = 0;',
     'a second configuration sheet opens'),
    ('splash-tenths', 'splash', 'controls/splash.cpp', 'ReadSettingInt(SET_LOGON_TIME) * 1000',
     'ReadSettingInt(SET_LOGON_TIME) * 100', 'the picture goes after a tenth of its time'),
    ('splash-timer-saves', 'splash', 'controls/splash.cpp', 'StopWindowTimer(dialog, SPLASH_TIMER);',
     'StopWindowTimer(dialog, SPLASH_TIMER);\n    SaveLogonDisplay(dialog);', 'the timer stores the check box'),
    ('splash-ok-off-by-one', 'splash', 'controls/splash.cpp', 'width - 25 - okWidth', 'width - 24 - okWidth',
     'the OK button one pixel off'),
    ('splash-link-colours', 'splash', 'controls/splash_picture.cpp',
     'ReadSettingInt(SET_GREEN) & 0xFF, ReadSettingInt(SET_BLUE) & 0xFF',
     'ReadSettingInt(SET_BLUE) & 0xFF, ReadSettingInt(SET_GREEN) & 0xFF', 'the link colour\'s green and blue swapped'),
    ('centre-hidden-owner', 'controls', 'controls/window_placement.cpp', 'owner && IsWindowVisible(owner) &&',
     'owner &&', 'a window centres on its hidden owner'),
    ('button-not-pressed', 'controls', 'controls/bitmap_buttons.cpp', 'int offset = pressed ? 1 : 0;', 'int offset = 0;',
     'a pressed button\'s picture does not move'),
    ('page-button-not-fitted', 'controls', 'controls/bitmap_buttons.cpp', 'button->width + 3, button->height + 3',
     'button->width + 2, button->height + 3', 'a page\'s picture button is a pixel narrower than its picture'),
    ('resize-wrong-share', 'controls', 'libs/corvanectln/resize.cpp', 'MulDiv(dx, row.share.right, 100)',
     'MulDiv(dx, row.share.left, 100)', 'right edges follow the left edge\'s share'),
    ('link-no-space', 'controls', 'libs/corvanectln/link.cpp', 'if (wParam == VK_SPACE || wParam == VK_RETURN)',
     'if (wParam == VK_RETURN)', 'Space does not open the link'),
    ('emboss-highlight-below', 'controls', 'libs/corvanectln/bitmaps.cpp', '(y + 1) * source.width + x + 1] = light',
     '(y + 1) * source.width + x] = light', 'the highlight straight below the ink'),
    ('status-carrier-text', 'status', 'shell/status_display.cpp', '10026, 10026, 10028', '10026, 10027, 10028',
     'the second carrier state shows the unused string'),
    ('tray-log-inverted', 'status', 'shell/tray_icon.cpp', 'if (live.incomingCallLog)', 'if (!live.incomingCallLog)',
     'the tray menu offers the call log when it is off'),
    ('foreground-maximised-lost', 'status', 'shell/foreground.cpp', 'ShowWindow(savedForeground, SW_SHOWMAXIMIZED);',
     'ShowWindow(savedForeground, SW_SHOWNORMAL);', 'a maximised window comes back restored'),
    ('about-port-off-by-one', 'help', 'shell/help_about.cpp', '"COM%d", (int)value', '"COM%d", (int)value + 1',
     'the about box shows the next port'),
    ('help-context-command', 'help', 'shell/help_about.cpp', 'HH_HELP_CONTEXT_COMMAND = 15', 'HH_HELP_CONTEXT_COMMAND = 16',
     'help at a context number sends the wrong command'),
    ('dbsview-no-follow', 'tools', 'tools/dbsview/dbsview.cpp', 'LB_SETTOPINDEX, (WPARAM)result', 'LB_SETTOPINDEX, 0',
     'the trace viewer does not follow the newest line'),
    ('lookup-prefix-matches', 'lists', 'calllists/list_text.cpp', "    return *digits == '\\0';\n}", '    return true;\n}',
     'a stored number that is a prefix of the caller\'s is taken for it'),
    ('lookup-name-overrun', 'lists', 'calllists/list_text.cpp', '< nameSize - 1 ? (size_t)(tab - line) : nameSize - 1',
     '<= nameSize - 1 ? (size_t)(tab - line) : nameSize', 'a long name is copied one byte past its buffer'),
    ('list-order-reversed', 'lists', 'calllists/list_rows.cpp', 'rows->sortColumn) < 0;', 'rows->sortColumn) > 0;',
     'the lists are sorted the wrong way round'),
    ('log-record-kept', 'lists', 'calllists/list_files.cpp', "    record[0] = '\\0';\n}", '}',
     'a logged call record is not emptied and is logged again'),
    ('save-not-replacing', 'lists', 'calllists/list_files.cpp', 'MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH',
     'MOVEFILE_WRITE_THROUGH', 'a save cannot replace the existing list file'),
    ('delete-selects-one-early', 'lists', 'calllists/list_dialog.cpp', 'int next = last - (selected - 1);',
     'int next = last - selected;', 'after a delete the entry before the following one is selected'),
    ('open-list-misses-appends', 'lists', 'calllists/call_list_dialog.cpp',
     'PostMessageA(dialog->window, WM_LIST_FILE_GREW, 0, 0);', '(void)dialog;', 'an open list misses the engine\'s appends'),
    ('decision-one-short', 'engine', 'engine/engine_timers.cpp', 'if (--decisionLeft <= 0) {', 'if (--decisionLeft <= 1) {',
     'the decision countdown ends a second early'),
    ('hold-one-long', 'engine', 'engine/engine_timers.cpp', '    if (holdLeft <= 0)\n        EndHold(1);',
     '    if (holdLeft < 0)\n        EndHold(1);', 'the hold countdown ends a second late'),
    ('accept-all-outgoing', 'engine', 'engine/engine_decision.cpp', 'if (!outgoingCall && io.live->acceptAll)',
     'if (io.live->acceptAll)', 'the accept-all rule takes the user\'s own outgoing call'),
    ('disable-ignored', 'engine', 'engine/engine_connection.cpp', 'EnableMoh(io.live->disableMoh == 0);', 'EnableMoh(1);',
     'modem-on-hold is enabled although the user disabled it'),
    ('ignore-sends-disconnect', 'engine', 'engine/engine_decision.cpp', '    SetCallAction(CALL_ACTION_IGNORE);',
     '    SetCallAction(CALL_ACTION_DISCONNECT);', 'Ignore asks the modem to drop the data connection'),
    ('call-action-item', 'engine', 'engine/engine_requests.cpp', 'SetValue(modem, MOH_ITEM_CALL_ACTION, action)',
     'SetValue(modem, MOH_ITEM_CALL_ACTION + 1, action)', 'call actions go to the wrong item'),
    ('record-not-flushed', 'engine', 'engine/engine_connection.cpp',
     'TraceFile("Waiting for inbound call");\n    FlushCallRecord();', 'TraceFile("Waiting for inbound call");',
     'a decided call is not logged when the line comes back'),
    ('event-names-shifted', 'engine', 'engine/event_names.cpp', '"DIAG_D3", "DIAG_CALL_WAITING_TONE_DETECTED"',
     '"DIAG_CALL_WAITING_TONE_DETECTED", "DIAG_D3"', 'two modem states trade names in the trace'),
    ('hold-timer-added', 'engine', 'engine/engine_timers.cpp', 'holdLeft -= io.settings->ReadInt(SET_HOLD_TIMER);',
     'holdLeft += io.settings->ReadInt(SET_HOLD_TIMER);', 'HoldTimer lengthens the hold countdown'),
    ('auto-reject-longer', 'engine', 'engine/engine_decision.cpp', 'if (decisionLeft >= limit)',
     'if (decisionLeft <= limit)', 'AutoRejectTimer lengthens the decision countdown'),
    ('delay-hold-ignored', 'engine', 'engine/engine_timers.cpp', 'int delay = io.settings->ReadInt(SET_DELAY_HOLD_TIMER);',
     'int delay = 0;', 'DelayHoldTimer does not delay the hold countdown'),
    ('disconnect-logged-accepted', 'engine', 'engine/engine_decision.cpp', 'MarkIfIncoming(OUTCOME_DISCONNECTED);',
     'MarkIfIncoming(OUTCOME_ACCEPTED);', 'a disconnected call is logged as accepted'),
]


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
        self.run([os.path.join(ROOT, 'tests/win/wine-session.sh'), 'start', self.builds['win64']], cwd=ROOT)
        display = os.path.join(self.builds['win64'], 'wine-display')
        if 'DISPLAY' not in os.environ and os.path.exists(display):
            os.environ['DISPLAY'] = open(display).read().strip()

    def stop_wine(self):
        self.run([os.path.join(ROOT, 'tests/win/wine-session.sh'), 'stop', self.builds['win64']], cwd=ROOT)

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

    faults = [f for f in FAULTS if not args.fault or any(word in f[0] for word in args.fault)]
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
