/* Answers the library's modal message boxes from a helper thread: each box that appears in
   this process is recorded (caption, text) and closed with the chosen button. */
#ifndef MESSAGE_BOX_ANSWERER_H
#define MESSAGE_BOX_ANSWERER_H

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SeenMessageBox {
    std::string caption;
    std::string text;
};

class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(int button = IDOK);
    ~MessageBoxAnswerer();
    void SetButton(int button);
    std::vector<SeenMessageBox> Seen();

private:
    void Watch();
    bool AnswerOne();

    volatile int button_;
    volatile bool stop_;
    std::mutex mutex_;
    std::vector<SeenMessageBox> seen_;
    std::thread thread_;
};

#endif
