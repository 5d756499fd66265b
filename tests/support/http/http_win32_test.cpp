// The waiting side of the HTTP client on Windows: the thread's messages keep flowing while Get
// blocks, the request-done event comes on the starting thread, and WM_QUIT ends the wait.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <thread>

#include "http_test_server.h"
#include "support/http/http_client.h"

namespace {

constexpr UINT kTimerMs = 50;
constexpr UINT kPokeMessage = WM_APP + 1;
int gTicks = 0;
int gPokes = 0;

void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++gTicks; }
void CALLBACK QuitNow(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostQuitMessage(7);
}

LRESULT CALLBACK PokeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPokeMessage) ++gPokes;
  return DefWindowProcW(window, message, wParam, lParam);
}

// A server that answers after a pause, long enough for several timer ticks.
TTestServer::TScript LateAnswer(std::chrono::milliseconds pause) {
  return [pause](TTestConnection& connection) {
    if (connection.ReadRequest().empty()) return;
    std::this_thread::sleep_for(pause);
    connection.Send(Answer("200 OK", "late"));
    connection.WaitForClose();
  };
}

}  // namespace

TEST(HttpWin32Test, TimersAndWindowMessagesRunWhileGetWaits) {
  TTestServer server(LateAnswer(std::chrono::milliseconds(800)));
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = PokeWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"ModulixHttpPokeTest";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowW(L"ModulixHttpPokeTest", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(window);
  gTicks = gPokes = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, kTimerMs, CountTick);  // set before the download
  PostMessageW(window, kPokeMessage, 0, 0);

  THttpClient client;
  std::string body;
  client.SetURL(server.Url("/"));
  client.SetRcvdStream(&body);
  client.Get();
  KillTimer(nullptr, timer);
  DestroyWindow(window);

  EXPECT_EQ(body, "late");
  EXPECT_GE(gTicks, 3);
  EXPECT_EQ(gPokes, 1);
}

TEST(HttpWin32Test, RequestDoneComesOnTheStartingThreadAlsoAfterANameLookup) {
  TTestServer server(LateAnswer(std::chrono::milliseconds(0)));
  THttpClient client;
  DWORD eventThread = 0;
  uint16_t code = 0xffff;
  client.SetOnRequestDone([&](THttpClient*, THttpRequestType, uint16_t error) {
    eventThread = GetCurrentThreadId();
    code = error;
  });
  client.SetURL("http://localhost:" + std::to_string(server.Port()) + "/");  // looked up on a worker
  client.Get();
  EXPECT_EQ(code, 0);
  EXPECT_EQ(eventThread, GetCurrentThreadId());
}

TEST(HttpWin32Test, QuitDuringTheWaitEndsItAndIsPostedAgain) {
  TTestServer server(NeverAnswer());
  THttpClient client;
  client.SetTimeout(10);
  uint16_t code = 0xffff;
  client.SetOnRequestDone([&](THttpClient*, THttpRequestType, uint16_t error) { code = error; });
  client.SetURL(server.Url("/"));
  SetTimer(nullptr, 0, 100, QuitNow);
  EXPECT_THROW(client.Get(), EHttpError);
  EXPECT_EQ(code, kHttpErrorAborted);  // not 8: it did not wait for the timeout

  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}
