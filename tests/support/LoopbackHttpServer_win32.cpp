#include "support/LoopbackHttpServer_win32.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <chrono>

#include "platform/Utf16Text.h"

namespace zk40::test {
namespace {

struct WinsockStart {
  WinsockStart() {
    WSADATA data{};
    WSAStartup(MAKEWORD(2, 2), &data);
  }
};

void StartWinsock() { static WinsockStart started; }

SOCKET Listen(std::uint16_t& port) {
  StartWinsock();
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return s;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  int length = sizeof address;
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 16) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    closesocket(s);
    return INVALID_SOCKET;
  }
  port = ntohs(address.sin_port);
  return s;
}

bool SendAll(SOCKET s, const char* data, std::size_t size) {
  while (size > 0) {
    const int n = send(s, data, static_cast<int>(std::min<std::size_t>(size, 1 << 16)), 0);
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

const char* Reason(int status) {
  switch (status) {
    case 200: return "OK";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
  }
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer() {
  const SOCKET s = Listen(port_);
  if (s == INVALID_SOCKET) return;
  listener_ = static_cast<std::uintptr_t>(s);
  acceptor_ = std::thread([this] { Accept(); });
}

LoopbackHttpServer::~LoopbackHttpServer() { Stop(); }

void LoopbackHttpServer::Stop() {
  running_.store(false);
  if (acceptor_.joinable()) acceptor_.join();
  if (Listening()) closesocket(static_cast<SOCKET>(listener_));
  listener_ = ~std::uintptr_t{0};
  for (std::thread& t : threads_) t.join();
  threads_.clear();
}

std::u16string LoopbackHttpServer::BaseUrl() const { return u"http://127.0.0.1:" + DecimalText(port_); }

void LoopbackHttpServer::Route(const std::string& path, HttpReply reply) {
  std::lock_guard lock(mutex_);
  routes_[path] = std::move(reply);
}

int LoopbackHttpServer::Requests(const std::string& path) const {
  std::lock_guard lock(mutex_);
  const auto it = requests_.find(path);
  return it == requests_.end() ? 0 : it->second;
}

int LoopbackHttpServer::Answered(const std::string& path) const {
  std::lock_guard lock(mutex_);
  const auto it = answered_.find(path);
  return it == answered_.end() ? 0 : it->second;
}

std::uint16_t LoopbackHttpServer::UnusedPort() {
  std::uint16_t port = 0;
  const SOCKET s = Listen(port);
  if (s != INVALID_SOCKET) closesocket(s);
  return port;
}

bool LoopbackHttpServer::Pause(std::uint32_t ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    if (!running_.load()) return false;
    Sleep(10);
  }
  return running_.load();
}

void LoopbackHttpServer::Accept() {
  const auto listener = static_cast<SOCKET>(listener_);
  while (running_.load()) {
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(listener, &ready);
    timeval wait{0, 20'000};
    if (select(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
    const SOCKET connection = accept(listener, nullptr, nullptr);
    if (connection == INVALID_SOCKET) continue;
    std::lock_guard lock(mutex_);
    threads_.emplace_back([this, connection] { Serve(static_cast<std::uintptr_t>(connection)); });
  }
}

void LoopbackHttpServer::Serve(std::uintptr_t handle) {
  const auto s = static_cast<SOCKET>(handle);
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
    const int n = recv(s, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    request.append(buffer, static_cast<std::size_t>(n));
  }
  // "GET /path?query HTTP/1.1"
  const std::size_t start = request.find(' ');
  const std::size_t end = start == std::string::npos ? start : request.find_first_of(" ?", start + 1);
  const std::string path = end == std::string::npos ? std::string() : request.substr(start + 1, end - start - 1);

  HttpReply reply{404, "not here"};
  {
    std::lock_guard lock(mutex_);
    ++requests_[path];
    if (const auto it = routes_.find(path); it != routes_.end()) reply = it->second;
  }
  bool whole = Pause(reply.delay_ms);
  if (whole) {
    const std::size_t length = reply.filler_bytes ? reply.filler_bytes : reply.body.size();
    std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " + Reason(reply.status) +
                       "\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n";
    if (reply.send_length) head += "Content-Length: " + std::to_string(length) + "\r\n";
    head += "\r\n";
    whole = SendAll(s, head.data(), head.size());
    if (whole && reply.filler_bytes) {
      const std::string chunk(1 << 16, 'x');
      for (std::size_t sent = 0; whole && sent < length && running_.load(); sent += chunk.size()) {
        whole = SendAll(s, chunk.data(), std::min(chunk.size(), length - sent));
      }
    } else if (whole) {
      whole = SendAll(s, reply.body.data(), reply.body.size());
    }
  }
  shutdown(s, SD_SEND);
  closesocket(s);
  if (whole) {
    std::lock_guard lock(mutex_);
    ++answered_[path];
  }
}

}  // namespace zk40::test
