/* A stand-in for the programs the launcher starts (the installer, the PDF reader, the browser,
 * the URL handler, and traps that must never run). It appends one line to C:\record.log --
 * its module path, its full command line (both UTF-8) and the ANSI code page it runs under,
 * separated by tabs -- and exits. */
#include <windows.h>

static void Append(HANDLE file, const wchar_t* text) {
  int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, NULL, 0, NULL, NULL);
  if (bytes <= 1) return;
  char* utf8 = (char*)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)bytes);
  if (utf8 == NULL) return;
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, bytes, NULL, NULL);
  DWORD written = 0;
  WriteFile(file, utf8, (DWORD)(bytes - 1), &written, NULL);
  HeapFree(GetProcessHeap(), 0, utf8);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR command_line, int show) {
  (void)instance;
  (void)previous;
  (void)command_line;
  (void)show;
  static wchar_t module[32768];
  DWORD length = GetModuleFileNameW(NULL, module, 32768);
  if (length == 0 || length >= 32768) module[0] = L'\0';
  /* FILE_APPEND_DATA: every writer adds at the end, even when two run at once. */
  HANDLE file = CreateFileW(L"C:\\record.log", FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            NULL, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) return 1;
  Append(file, module);
  Append(file, L"\t");
  Append(file, GetCommandLineW());
  wchar_t code_page[32];
  wsprintfW(code_page, L"\t%u\n", GetACP());
  Append(file, code_page);
  CloseHandle(file);
  return 0;
}
