#pragma once
// How an exchange's thread tells the thread that started it that the outcome is ready. On
// Windows a message to a hidden window of the starting thread, so that whatever message loop
// runs there (Get's own wait, the application's, a dialog's modal loop) hands the outcome over.
// Elsewhere there is no message loop: Get's own wait is the only one, and Post does nothing.
#include <functional>

class THttpDoneNotice {
 public:
  // On the thread that will receive the notices; `deliver` runs there, once per Post at most,
  // from a message loop. What it raises is dropped.
  explicit THttpDoneNotice(std::function<void()> deliver);
  ~THttpDoneNotice();
  THttpDoneNotice(const THttpDoneNotice&) = delete;
  THttpDoneNotice& operator=(const THttpDoneNotice&) = delete;

  void Post();  // from any thread

 private:
  friend class THttpDoneNoticeWindow;

  std::function<void()> FDeliver;
  void* FWindow = nullptr;
};
