#include "device/SocketTransportSystem.h"

// Before windows.h, which would bring in the old Winsock otherwise.
#include <winsock2.h>

#include <windows.h>
#include <ws2tcpip.h>

#include <charconv>
#include <filesystem>
#include <string_view>

#include "device/Transport.h"

namespace torvane::device {

const int kSocketNotOpened = WSAEBADF;
const int kSocketNotConnected = WSAENOTCONN;
const int kSocketPeerGone = ERROR_DEVICE_NOT_CONNECTED;
const int kSocketMissing = ERROR_FILE_NOT_FOUND;

namespace {

// What the socket file holds: the listener's port on 127.0.0.1, then a line
// end, so a file caught half written never reads as a port.
constexpr std::string_view kPortPrefix = "tcp-port ";
// The same limit as a Unix socket's path, so one path suits both systems.
constexpr std::size_t kMaxPathSize = 107;

// Winsock serves a process only after its first WSAStartup.
int StartWinsock() {
  static const int result = [] {
    WSADATA data{};
    return ::WSAStartup(MAKEWORD(2, 2), &data);
  }();
  return result;
}

SOCKET Sock(const StreamSocket& socket) {
  return static_cast<SOCKET>(socket.get());
}

StreamSocket Own(SOCKET socket) {
  return StreamSocket(socket == INVALID_SOCKET ? kNoSocket : static_cast<SocketHandle>(socket));
}

StreamSocket NewSocket(int type, int protocol) {
  return Own(::WSASocketW(AF_INET, type, protocol, nullptr, 0, WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT));
}

std::wstring WidePath(const std::string& utf8) {
  return std::filesystem::path(std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()))
      .wstring();
}

sockaddr_in Loopback(std::uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  return address;
}

const sockaddr* AsSockaddr(const sockaddr_in& address) {
  return reinterpret_cast<const sockaddr*>(&address);
}

std::string SystemError(const std::string& what, int code) {
  return what + ": " + SocketErrorText(code);
}

enum class PortFile { kMissing, kPort, kOther };

// Reads the port the server at `path` listens on; `error` is the system's code when the file cannot be opened.
PortFile ReadPortFile(const std::string& path, std::uint16_t& port, DWORD& error) {
  const HANDLE file =
      ::CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PortFile::kMissing : PortFile::kOther;
  }
  char buffer[32];
  DWORD size = 0;
  const BOOL read = ::ReadFile(file, buffer, sizeof(buffer), &size, nullptr);
  ::CloseHandle(file);
  const std::string_view text(buffer, read ? size : 0);
  if (!text.starts_with(kPortPrefix) || !text.ends_with('\n')) return PortFile::kOther;
  const std::string_view digits = text.substr(kPortPrefix.size(), text.size() - kPortPrefix.size() - 1);
  const auto [end, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
  if (failure != std::errc() || end != digits.data() + digits.size() || port == 0) return PortFile::kOther;
  return PortFile::kPort;
}

// Writes the port beside `path` and moves it into place, so readers see all of it or nothing.
DWORD WritePortFile(const std::string& path, std::uint16_t port) {
  const std::string text = std::string(kPortPrefix) + std::to_string(port) + "\n";
  const std::wstring target = WidePath(path);
  const std::wstring temporary = target + L"." + std::to_wstring(::GetCurrentProcessId()) + L".tmp";
  const HANDLE file =
      ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ::GetLastError();
  DWORD written = 0;
  const BOOL wrote = ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  const DWORD write_error = wrote ? ERROR_SUCCESS : ::GetLastError();
  ::CloseHandle(file);
  if (write_error == ERROR_SUCCESS && ::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    return ERROR_SUCCESS;
  }
  const DWORD error = write_error != ERROR_SUCCESS ? write_error : ::GetLastError();
  ::DeleteFileW(temporary.c_str());
  return error;
}

// Request and answer are single small writes: waiting to merge them only adds delay.
void SendAtOnce(const StreamSocket& socket) {
  const BOOL on = TRUE;
  ::setsockopt(Sock(socket), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof(on));
}

int SetNonBlocking(const StreamSocket& socket) {
  u_long on = 1;
  return ::ioctlsocket(Sock(socket), FIONBIO, &on) == 0 ? 0 : ::WSAGetLastError();
}

SocketIo Done(int n) {
  if (n != SOCKET_ERROR) return {n, false, false, 0};
  const int error = ::WSAGetLastError();
  return {-1, error == WSAEINTR, error == WSAEWOULDBLOCK, error};
}

}  // namespace

void StreamSocket::reset(SocketHandle handle) {
  if (handle_ != kNoSocket) ::closesocket(static_cast<SOCKET>(handle_));
  handle_ = handle;
}

SocketPathKind InspectSocketPath(const std::string& path) {
  if (path.empty() || path.size() > kMaxPathSize) return SocketPathKind::kUnusable;
  std::uint16_t port = 0;
  DWORD error = 0;
  switch (ReadPortFile(path, port, error)) {
    case PortFile::kMissing:
      return SocketPathKind::kNothing;
    case PortFile::kPort:
      return SocketPathKind::kSocket;
    case PortFile::kOther:
      break;
  }
  return SocketPathKind::kOther;
}

bool SocketPathPresent(const std::string& path) {
  return InspectSocketPath(path) == SocketPathKind::kSocket;
}

void RemoveSocketPath(const std::string& path) {
  ::DeleteFileW(WidePath(path).c_str());
}

int ConnectSocket(const std::string& path, StreamSocket& socket) {
  if (path.empty() || path.size() > kMaxPathSize) return ERROR_FILENAME_EXCED_RANGE;
  if (const int started = StartWinsock(); started != 0) return started;
  std::uint16_t port = 0;
  DWORD error = 0;
  switch (ReadPortFile(path, port, error)) {
    case PortFile::kMissing:
      return static_cast<int>(error);
    case PortFile::kOther:
      return WSAECONNREFUSED;  // as connecting to a file that is no socket does on Linux
    case PortFile::kPort:
      break;
  }
  StreamSocket client = NewSocket(SOCK_STREAM, IPPROTO_TCP);
  if (!client.valid()) return ::WSAGetLastError();
  const sockaddr_in address = Loopback(port);
  if (::connect(Sock(client), AsSockaddr(address), sizeof(address)) != 0) return ::WSAGetLastError();
  SendAtOnce(client);
  if (const int failed = SetNonBlocking(client); failed != 0) return failed;
  socket = std::move(client);
  return kTransportOk;
}

bool ListenAtSocketPath(const std::string& path, StreamSocket& socket, std::string& error) {
  if (path.empty() || path.size() > kMaxPathSize) {
    error = "socket path is empty or too long: " + path;
    return false;
  }
  if (const int started = StartWinsock(); started != 0) {
    error = SystemError("WSAStartup", started);
    return false;
  }
  StreamSocket listener = NewSocket(SOCK_STREAM, IPPROTO_TCP);
  if (!listener.valid()) {
    error = SystemError("socket", ::WSAGetLastError());
    return false;
  }
  // No other program may take the port over while the adapter is plugged in.
  const BOOL exclusive = TRUE;
  ::setsockopt(Sock(listener), SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive),
               sizeof(exclusive));
  sockaddr_in address = Loopback(0);
  if (::bind(Sock(listener), AsSockaddr(address), sizeof(address)) != 0) {
    error = SystemError("bind 127.0.0.1", ::WSAGetLastError());
    return false;
  }
  if (::listen(Sock(listener), 4) != 0) {
    error = SystemError("listen", ::WSAGetLastError());
    return false;
  }
  int size = sizeof(address);
  if (::getsockname(Sock(listener), reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    error = SystemError("getsockname", ::WSAGetLastError());
    return false;
  }
  if (const DWORD failed = WritePortFile(path, ntohs(address.sin_port)); failed != ERROR_SUCCESS) {
    error = SystemError("write " + path, static_cast<int>(failed));
    return false;
  }
  socket = std::move(listener);
  return true;
}

StreamSocket AcceptClient(const StreamSocket& listener) {
  StreamSocket client = Own(::accept(Sock(listener), nullptr, nullptr));
  if (!client.valid()) return client;
  const DWORD send_timeout_ms = 1000;
  ::setsockopt(Sock(client), SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&send_timeout_ms),
               sizeof(send_timeout_ms));
  SendAtOnce(client);
  return client;
}

SocketIo SendSome(const StreamSocket& socket, const std::uint8_t* data, std::size_t size) {
  return Done(::send(Sock(socket), reinterpret_cast<const char*>(data), static_cast<int>(size), 0));
}

SocketIo ReceiveSome(const StreamSocket& socket, std::uint8_t* data, std::size_t size) {
  return Done(::recv(Sock(socket), reinterpret_cast<char*>(data), static_cast<int>(size), 0));
}

int WaitForSocket(const StreamSocket& socket, SocketReady ready, std::chrono::steady_clock::time_point deadline) {
  const SHORT events = ready == SocketReady::kToRead ? POLLRDNORM : POLLWRNORM;
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    WSAPOLLFD entry{Sock(socket), events, 0};
    const int count = ::WSAPoll(&entry, 1, left.count() > 0 ? static_cast<INT>(left.count()) : 0);
    if (count > 0) return kTransportOk;
    if (count == 0) return kTimeout;
    if (const int error = ::WSAGetLastError(); error != WSAEINTR) return error;
  }
}

// A datagram socket on 127.0.0.1 connected to itself: Wake sends it a byte,
// and Wait polls it together with the served socket.
int SocketWaker::Open() {
  if (const int started = StartWinsock(); started != 0) return started;
  StreamSocket own = NewSocket(SOCK_DGRAM, IPPROTO_UDP);
  if (!own.valid()) return ::WSAGetLastError();
  sockaddr_in address = Loopback(0);
  int size = sizeof(address);
  if (::bind(Sock(own), AsSockaddr(address), sizeof(address)) != 0 ||
      ::getsockname(Sock(own), reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
      ::connect(Sock(own), AsSockaddr(address), sizeof(address)) != 0) {
    return ::WSAGetLastError();
  }
  if (const int failed = SetNonBlocking(own); failed != 0) return failed;
  own_ = std::move(own);
  return 0;
}

void SocketWaker::Wake() {
  const char one = 1;
  // A full queue already means "wake up"; nothing to do on failure.
  ::send(Sock(own_), &one, 1, 0);
}

bool SocketWaker::Wait(const StreamSocket& socket, int& error) {
  error = 0;
  WSAPOLLFD entries[2] = {{Sock(own_), POLLRDNORM, 0}, {Sock(socket), POLLRDNORM, 0}};
  const ULONG count = socket.valid() ? 2 : 1;
  if (::WSAPoll(entries, count, -1) == SOCKET_ERROR) {
    if (const int failed = ::WSAGetLastError(); failed != WSAEINTR) error = failed;
    return false;
  }
  if (entries[0].revents != 0) {
    char drain[16];
    while (::recv(Sock(own_), drain, sizeof(drain), 0) > 0) {
    }
  }
  return count > 1 && entries[1].revents != 0;
}

std::string SocketErrorText(int code) {
  char* text = nullptr;
  const DWORD size =
      ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = size > 0 ? std::string(text, size) : "system error " + std::to_string(code);
  ::LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
    message.pop_back();
  }
  return message;
}

}  // namespace torvane::device
