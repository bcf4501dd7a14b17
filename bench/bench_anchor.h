/* The trivial library of the status window's benchmarks: one visible dialog, nothing else. */
#ifndef BENCH_ANCHOR_H
#define BENCH_ANCHOR_H

#define IDD_BENCH_ANCHOR 100

/* Exported as "CreateAnchor": HWND CreateAnchor(HWND parent), the dialog shown. */

#endif
