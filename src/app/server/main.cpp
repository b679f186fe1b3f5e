// quelvo-server: the translator as an HTTP service, one loaded dictionary
// shared by a pool of worker threads.
#include <httplib.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <pthread.h>
#include <sys/socket.h>

#include <CLI/CLI.hpp>
#include <atomic>
#include <csignal>
#include <iostream>
#include <thread>

#include "api_answers.h"
#include "service.h"

namespace {

using quelvo::server::ApiRequest;
using quelvo::server::ApiResponse;
using quelvo::server::Service;

constexpr int kExitUsage = 2;
constexpr int kExitData = 3;
constexpr int kExitListen = 4;
constexpr std::size_t kBodyLimit = 64 * 1024;
// Far above the library's 5: a balancer opening many connections at once
// would otherwise see refusals and take the server for dead.
constexpr int kListenBacklog = 4096;
constexpr time_t kReadTimeoutSeconds = 5;
constexpr time_t kWriteTimeoutSeconds = 5;
constexpr time_t kKeepAliveSeconds = 2;  // also how long a stop waits for idle connections
constexpr std::size_t kKeepAliveRequests = 10000;

struct ServerOptions {
    std::string host = "127.0.0.1";
    int port = 5000;
    // A kept-alive connection holds its thread: enough threads for the
    // connections of a balancer or a load test.
    std::size_t threads = 32;
    std::size_t queueLimit = 256;  // connections waiting for a thread before requests are answered 429
    std::string dataDir;
    quelvo::server::ServiceOptions service;
};

// The library's thread pool, counting the connections that wait for a thread.
class CountingPool : public httplib::TaskQueue {
public:
    explicit CountingPool(std::size_t threads) : pool_(threads) {}
    void enqueue(std::function<void()> fn) override {
        ++waiting_;
        pool_.enqueue([this, fn = std::move(fn)] {
            --waiting_;
            fn();
        });
    }
    void shutdown() override { pool_.shutdown(); }
    std::size_t Waiting() const { return waiting_; }

private:
    httplib::ThreadPool pool_;
    std::atomic<std::size_t> waiting_{0};
};

void Send(const ApiResponse& answer, httplib::Response& res) {
    res.status = answer.status;
    res.set_content(answer.body, answer.contentType.c_str());
    for (const auto& header : quelvo::server::kCorsHeaders) res.set_header(header.name, header.value);
}

ApiRequest RequestOf(const httplib::Request& req, bool overloaded) {
    const std::size_t mark = req.target.find('?');
    return {req.method, req.path, mark == std::string::npos ? "" : req.target.substr(mark + 1),
            req.get_header_value("Content-Type"), req.body, overloaded};
}

void Configure(httplib::Server& server, const Service& service, const ServerOptions& opt, const CountingPool*& pool,
               int& listenSocket) {
    server.new_task_queue = [&opt, &pool] {
        auto* created = new CountingPool(opt.threads);
        pool = created;
        return created;
    };
    const auto handle = [&service, &opt, &pool](const httplib::Request& req, httplib::Response& res) {
        Send(service.Handle(RequestOf(req, pool != nullptr && pool->Waiting() > opt.queueLimit)), res);
    };
    for (const auto route : {&httplib::Server::Get, &httplib::Server::Post, &httplib::Server::Options}) {
        (server.*route)(".*", httplib::Server::Handler(handle));
    }
    server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty()) Send(Service::ErrorOf(res.status), res);
    });
    server.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
        Send(Service::ErrorOf(quelvo::server::kInternalError), res);
    });
    server.set_tcp_nodelay(true);  // else every answer waits ~40 ms for the client's delayed ACK
    server.set_socket_options([&listenSocket](socket_t sock) {
        const int on = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        listenSocket = sock;
    });
    server.set_payload_max_length(kBodyLimit);
    server.set_read_timeout(kReadTimeoutSeconds);
    server.set_write_timeout(kWriteTimeoutSeconds);
    server.set_keep_alive_timeout(kKeepAliveSeconds);
    server.set_keep_alive_max_count(kKeepAliveRequests);
}

// SIGTERM and SIGINT stop the server from a thread of their own: requests in
// work are answered, then the program ends.
void StopOnSignal(httplib::Server& server) {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread([signals, &server] {
        int received = 0;
        sigwait(&signals, &received);
        server.stop();
    }).detach();
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Serves the translator over HTTP (LibreTranslate and APy APIs, and a web page).", "quelvo-server"};
    ServerOptions opt;
    app.add_option("--host", opt.host, "Address to listen on")->capture_default_str();
    app.add_option("--port", opt.port, "Port to listen on (0: any free port, printed)")->capture_default_str();
    app.add_option("--threads", opt.threads, "Worker threads")->capture_default_str()->check(CLI::PositiveNumber);
    app.add_option("--queue", opt.queueLimit, "Waiting connections before requests are answered 429")->capture_default_str();
    app.add_option("--data", opt.dataDir, "Directory of the seven dictionary files")->check(CLI::ExistingDirectory);
    app.add_option("--api-key", opt.service.apiKeys, "An accepted API key; with none, keys are not checked");
    app.add_option("--char-limit", opt.service.charLimit, "Characters per request")->capture_default_str();
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : kExitUsage;
    }
    const auto dataDir = opt.dataDir.empty() ? quelvo::DefaultDataDir(argv[0]) : std::filesystem::path(opt.dataDir);
    auto opened = quelvo::Translator::Open(dataDir);
    if (const auto* error = std::get_if<quelvo::DataError>(&opened)) {
        std::cerr << "quelvo-server: " << error->Describe() << '\n';
        return kExitData;
    }
    const Service service(std::get<quelvo::Translator>(opened), opt.service);

    httplib::Server server;
    const CountingPool* pool = nullptr;
    int listenSocket = -1;
    Configure(server, service, opt, pool, listenSocket);
    StopOnSignal(server);
    const int port = opt.port == 0 ? server.bind_to_any_port(opt.host) : (server.bind_to_port(opt.host, opt.port) ? opt.port : -1);
    if (port < 0 || listen(listenSocket, kListenBacklog) != 0) {
        std::cerr << "quelvo-server: cannot listen on " << opt.host << ':' << opt.port << '\n';
        return kExitListen;
    }
    std::cout << "quelvo-server listening on http://" << opt.host << ':' << port << '/' << std::endl;
    server.listen_after_bind();
    return 0;
}
