#pragma once
// What the program said while a test ran: message boxes (text and title) and beeps.
#include <QString>
#include <vector>

namespace vtn::test {

struct Message {
  QString text;
  QString title;
};

struct Recorder {
  std::vector<Message> messages;
  int beeps = 0;
  int nextAnswer = 0;  // button returned by the next message box; 0 means OK or Yes
  void clear() { messages.clear(); beeps = 0; nextAnswer = 0; }
  QString lastText() const { return messages.empty() ? QString() : messages.back().text; }
};

Recorder& recorder();

// A fresh empty folder for this test's files; also where ProgramFolder() points.
QString scratchFolder();

}  // namespace vtn::test
