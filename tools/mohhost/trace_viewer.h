/* A hidden stand-in for the trace viewer: a window of class "Dbs" with list box 120, which the
   library finds when it loads and fills with its window trace. */
#ifndef TRACE_VIEWER_H
#define TRACE_VIEWER_H

#include <string>
#include <vector>

/* Must run before the library loads. */
void CreateTraceViewer(void);
void DestroyTraceViewer(void);
std::vector<std::string> TraceLines(void);
bool TraceHas(const std::string &part);
bool SaveTraceLines(const std::string &path);

#endif
