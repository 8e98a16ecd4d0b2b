#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests of the program's downloads:
// one thread accepts, one thread answers each connection, every answer
// closes its connection. Answers are set per path; any other path gets 404.

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zk40::test {

struct HttpReply {
  int status = 200;
  std::string body;
  std::uint32_t delay_ms = 0;      // before the answer starts
  std::size_t filler_bytes = 0;    // instead of body: this many bytes, streamed
  bool send_length = true;         // without it the end of the connection ends the body
};

class LoopbackHttpServer {
 public:
  LoopbackHttpServer();  // listens on a free port
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  bool Listening() const { return listener_ != ~std::uintptr_t{0}; }
  // Stops listening and ends every answer still streaming; idempotent.
  void Stop();
  std::u16string BaseUrl() const;  // "http://127.0.0.1:PORT"
  void Route(const std::string& path, HttpReply reply);
  // Requests received for a path, and answers sent to the end.
  int Requests(const std::string& path) const;
  int Answered(const std::string& path) const;

  // A port with nothing listening on it.
  static std::uint16_t UnusedPort();

 private:
  void Accept();
  void Serve(std::uintptr_t connection);
  bool Pause(std::uint32_t ms);  // false when the server stops meanwhile

  std::uintptr_t listener_ = ~std::uintptr_t{0};
  std::uint16_t port_ = 0;
  std::atomic<bool> running_{true};
  mutable std::mutex mutex_;
  std::map<std::string, HttpReply> routes_;
  std::map<std::string, int> requests_;
  std::map<std::string, int> answered_;
  std::vector<std::thread> threads_;
  std::thread acceptor_;
};

}  // namespace zk40::test
