/* A stand-in trace viewer: a hidden top-level window of class "Dbs" with list box 120. It must
   exist before the library loads, as the library looks for the viewer only then. */
#ifndef TRACE_CAPTURE_H
#define TRACE_CAPTURE_H

#include <windows.h>

#include <string>
#include <vector>

class TraceCapture {
public:
    TraceCapture();
    ~TraceCapture();
    std::vector<std::string> Lines() const;
    /* The lines without their "hh:mm:ss,cc " prefix. */
    std::vector<std::string> Messages() const;
    bool Has(const std::string &message) const;
    bool HasPrefix(const std::string &start) const;
    void Clear();

private:
    HWND viewer_;
    HWND list_;
};

/* True when line starts with a well-formed "hh:mm:ss,cc " time prefix. */
bool HasTimePrefix(const std::string &line);

#endif
