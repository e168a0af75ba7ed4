// A stand-in for the system's screen-saver password check: it records the
// window it was given and the cursor's display count, and answers in turn from
// QUELLORA_TEST_PASSWORD, a list such as "refuse,accept": the first call takes
// the first word, and so on, the last word for every call after it; only
// "accept" lets the saver go.
#include <windows.h>

#include <sstream>
#include <string>

#include "cursor_count.h"
#include "test_record.h"

namespace {

std::wstring AnswerForCall(std::size_t call) {
  wchar_t list[64] = {};
  GetEnvironmentVariableW(L"QUELLORA_TEST_PASSWORD", list, 64);
  std::wistringstream words(list);
  std::wstring word, answer;
  for (std::size_t i = 0; i <= call && std::getline(words, word, L','); ++i) answer = word;
  return answer;
}

}  // namespace

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND window) {
  // The system loads the component for each check, so the calls so far are
  // counted in the record, not in this library.
  const std::size_t call = CountTestRecordLines("VerifyScreenSavePwd ");
  AppendToTestRecord("VerifyScreenSavePwd " + HandleText(window) + " " + std::to_string(CursorCount()));
  return AnswerForCall(call) == L"accept";
}
