// A small X session manager for the real-window tests: it lets clients register over ICE and, when
// the test says so, ends the session the way a desktop's logout does: every client is told to save
// for a shutdown, and told to die once it has saved.
//
// Prints the value for SESSION_MANAGER on its first line, then one line per event: "registered",
// "saved" (a client finished saving), "closed" (a client went away). Reads commands on stdin:
// "end" ends the session. Exits when stdin closes.
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<SmsConn> g_clients;

void Say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

Bool AllowEveryHost(char*) { return True; }

Status RegisterClient(SmsConn connection, SmPointer, char*)
{
    char* id = SmsGenerateClientID(connection);
    const Status status = SmsRegisterClientReply(connection, id);
    std::free(id);
    g_clients.push_back(connection);
    Say("registered");
    return status;
}

void SaveYourselfDone(SmsConn connection, SmPointer, Bool)
{
    Say("saved");
    SmsDie(connection);
}

void CloseConnection(SmsConn connection, SmPointer, int count, char** reasons)
{
    SmFreeReasons(count, reasons);
    IceConn ice = SmsGetIceConnection(connection);
    SmsCleanUp(connection);
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
    for (auto it = g_clients.begin(); it != g_clients.end(); ++it)
        if (*it == connection) {
            g_clients.erase(it);
            break;
        }
    Say("closed");
}

void InteractRequest(SmsConn connection, SmPointer, int) { SmsInteract(connection); }
void InteractDone(SmsConn, SmPointer, Bool) {}
void SaveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}
void SaveYourselfPhase2Request(SmsConn connection, SmPointer) { SmsSaveYourselfPhase2(connection); }
void SetProperties(SmsConn, SmPointer, int count, SmProp** properties)
{
    for (int i = 0; i < count; ++i)
        SmFreeProperty(properties[i]);
    std::free(properties);
}
void DeleteProperties(SmsConn, SmPointer, int count, char** names)
{
    for (int i = 0; i < count; ++i)
        std::free(names[i]);
    std::free(names);
}
void GetProperties(SmsConn connection, SmPointer) { SmsReturnProperties(connection, 0, nullptr); }

Status NewClient(SmsConn, SmPointer, unsigned long* mask, SmsCallbacks* callbacks, char**)
{
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask
            | SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask
            | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask
            | SmsGetPropertiesProcMask;
    std::memset(callbacks, 0, sizeof *callbacks);
    callbacks->register_client.callback = RegisterClient;
    callbacks->interact_request.callback = InteractRequest;
    callbacks->interact_done.callback = InteractDone;
    callbacks->save_yourself_request.callback = SaveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = SaveYourselfPhase2Request;
    callbacks->save_yourself_done.callback = SaveYourselfDone;
    callbacks->close_connection.callback = CloseConnection;
    callbacks->set_properties.callback = SetProperties;
    callbacks->delete_properties.callback = DeleteProperties;
    callbacks->get_properties.callback = GetProperties;
    return 1;
}

} // namespace

int main()
{
    char error[256] = {};
    if (!SmsInitialize("velmor08-tests", "1.0", NewClient, nullptr, AllowEveryHost, sizeof error, error)) {
        std::fprintf(stderr, "session_manager: %s\n", error);
        return 1;
    }
    int listenCount = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&listenCount, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "session_manager: %s\n", error);
        return 1;
    }
    for (int i = 0; i < listenCount; ++i)
        IceSetHostBasedAuthProc(listeners[i], AllowEveryHost);
    char* ids = IceComposeNetworkIdList(listenCount, listeners);
    Say(ids);
    std::free(ids);

    std::vector<IceConn> connections;
    std::string input;
    for (;;) {
        std::vector<pollfd> fds{{STDIN_FILENO, POLLIN, 0}};
        for (int i = 0; i < listenCount; ++i)
            fds.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        for (IceConn connection : connections)
            fds.push_back({IceConnectionNumber(connection), POLLIN, 0});
        if (::poll(fds.data(), fds.size(), -1) < 0)
            continue;
        if (fds[0].revents) {
            char bytes[64];
            const ssize_t got = ::read(STDIN_FILENO, bytes, sizeof bytes);
            if (got <= 0)
                return 0;
            input.append(bytes, size_t(got));
            for (size_t end; (end = input.find('\n')) != std::string::npos; input.erase(0, end + 1))
                if (input.compare(0, end, "end") == 0)
                    for (SmsConn client : g_clients)
                        SmsSaveYourself(client, SmSaveBoth, True, SmInteractStyleAny, False);
        }
        for (int i = 0; i < listenCount; ++i) {
            if (!fds[1 + i].revents)
                continue;
            IceAcceptStatus status;
            IceConn connection = IceAcceptConnection(listeners[i], &status);
            if (!connection)
                continue;
            while (IceConnectionStatus(connection) == IceConnectPending)
                if (IceProcessMessages(connection, nullptr, nullptr) == IceProcessMessagesIOError)
                    break;
            if (IceConnectionStatus(connection) == IceConnectAccepted)
                connections.push_back(connection);
            else
                IceCloseConnection(connection);
        }
        const size_t first = 1 + size_t(listenCount);
        std::vector<IceConn> still;
        for (size_t i = 0; i < connections.size(); ++i) {
            IceConn connection = connections[i];
            const IceProcessMessagesStatus status =
                fds[first + i].revents ? IceProcessMessages(connection, nullptr, nullptr) : IceProcessMessagesSuccess;
            if (status == IceProcessMessagesIOError) {
                IceSetShutdownNegotiation(connection, False);
                IceCloseConnection(connection);
            } else if (status == IceProcessMessagesSuccess) {
                still.push_back(connection);
            } // else closed by CloseConnection while the messages were read: gone
        }
        connections = still;
    }
}
