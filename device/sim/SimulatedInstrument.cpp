#include "SimulatedInstrument.h"

#include "CHidDevice.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <thread>

// One open path on the simulated bus. Like a hidraw file it has its own reply queue, so a
// reply that comes after a time-out waits there until the connection is closed.
class SimConnection : public HidConnection
{
public:
    SimConnection(SimulatedInstrument& bus, unsigned nSerial, std::string path)
        : bus(bus), nSerial(nSerial), path(std::move(path))
    {
    }

    bool readIds(uint16_t& nVendor, uint16_t& nProduct) override
    {
        std::lock_guard<std::mutex> lock(bus.mutex);
        const SimulatedInstrument::Device* device = bus.findDevice(nSerial);
        if (!device || device->access == SimulatedInstrument::Access::IdsUnreadable)
            return false;
        nVendor = device->nVendor;
        nProduct = device->nProduct;
        return true;
    }

    bool readCaps(HidCaps& caps) override
    {
        std::lock_guard<std::mutex> lock(bus.mutex);
        if (!bus.findDevice(nSerial))
            return false;
        caps.InputReportByteLength = static_cast<uint16_t>(bus.nInputLength);
        caps.OutputReportByteLength = static_cast<uint16_t>(bus.nOutputLength);
        return true;
    }

    HidTransfer write(const uint8_t* pReport, int nLen, int) override
    {
        std::unique_lock<std::mutex> lock(bus.mutex);
        SimulatedInstrument::PlannedFault planned{};
        const bool bFault = bus.takeFault(planned);
        const SimulatedInstrument::Device* device = bus.findDevice(nSerial);
        if (!device || (bFault && planned.fault == SimulatedInstrument::Fault::WaitError))
            return HidTransfer::failed();
        if (bFault && planned.fault == SimulatedInstrument::Fault::Timeout)
            return timeOut(lock);
        if (bFault && planned.fault == SimulatedInstrument::Fault::NothingSent)
            return HidTransfer::done(0);  // the write completes without sending a byte

        std::vector<uint8_t> request(pReport, pReport + nLen);
        if (device->bInstrument && !bus.bSilent) {
            std::vector<uint8_t> reply = bus.instrument.replyTo(request, bus.nInputLength);
            const Clock::time_point now = Clock::now();
            if (!reply.empty())
                replies.push_back({std::move(reply), now, now + bus.latency});
        }
        bus.requestLog.push_back({path, std::move(request)});
        return HidTransfer::done(nLen);
    }

    HidTransfer read(uint8_t* pReport, int nLen, int) override
    {
        std::unique_lock<std::mutex> lock(bus.mutex);
        SimulatedInstrument::PlannedFault planned{};
        const bool bFault = bus.takeFault(planned);
        if (!bus.findDevice(nSerial) || (bFault && planned.fault == SimulatedInstrument::Fault::WaitError))
            return HidTransfer::failed();
        if (replies.empty() || (bFault && planned.fault == SimulatedInstrument::Fault::Timeout))
            return timeOut(lock);

        Reply pending = std::move(replies.front());
        replies.pop_front();
        const std::vector<uint8_t>& reply = pending.report;
        int nReceived = std::min<int>(nLen, static_cast<int>(reply.size()));
        if (bFault && planned.fault == SimulatedInstrument::Fault::ShortReply)
            nReceived = std::min(nReceived, planned.nShortLength);
        lock.unlock();

        waitUntil(pending.ready);
        if (pending.ready > pending.sent) {
            const Clock::duration late = Clock::now() - pending.ready;
            lock.lock();
            bus.lateReplies += late;
            lock.unlock();
        }
        std::memcpy(pReport, reply.data(), static_cast<size_t>(nReceived));
        return HidTransfer::done(nReceived);
    }

    void cancel() override {}

private:
    HidTransfer timeOut(std::unique_lock<std::mutex>& lock)
    {
        const std::chrono::milliseconds wait = bus.timeoutWait;
        lock.unlock();
        std::this_thread::sleep_for(wait);
        return HidTransfer::timedOut();
    }

    SimulatedInstrument& bus;
    const unsigned nSerial;
    const std::string path;
    using Clock = std::chrono::steady_clock;
    struct Reply
    {
        std::vector<uint8_t> report;
        Clock::time_point sent;   // when its request arrived
        Clock::time_point ready;  // latency after that
    };

    // The instrument answers on time: sleep to shortly before, then spin, as a plain sleep
    // overshoots by a hundred microseconds or more, far more than the link's own cost.
    static void waitUntil(Clock::time_point ready)
    {
        std::this_thread::sleep_until(ready - std::chrono::microseconds(500));
        while (Clock::now() < ready) {
        }
    }

    std::deque<Reply> replies;
};

SimulatedInstrument::SimulatedInstrument() = default;
SimulatedInstrument::~SimulatedInstrument() = default;

SimulatedInstrument& SimulatedInstrument::demo()
{
    static SimulatedInstrument instance;
    static const bool bDemoLoaded = (instance.resetToDemo(), true);
    (void)bDemoLoaded;
    return instance;
}

void SimulatedInstrument::resetToDemo()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        devices.clear();
        instrument.clear();
        faults.clear();
        requestLog.clear();
        nInputLength = 65;
        nOutputLength = 65;
        latency = std::chrono::microseconds(0);
        timeoutWait = std::chrono::milliseconds(0);
        bSilent = false;
        nScans = 0;
        nOpens = 0;
    }
    for (int nGroup = 1; nGroup <= 10; ++nGroup)
        setGroup(nGroup, demoGroup(nGroup));
    plugIn(kDemoPath);
}

void SimulatedInstrument::setGroup(int nGroupNumber, std::vector<SimRecord> records)
{
    std::lock_guard<std::mutex> lock(mutex);
    instrument.setGroup(nGroupNumber, std::move(records));
}

void SimulatedInstrument::addDevice(Device device)
{
    std::lock_guard<std::mutex> lock(mutex);
    device.nSerial = nNextSerial++;
    devices.push_back(std::move(device));
}

void SimulatedInstrument::plugIn(const std::string& path)
{
    addDevice({path, CHidDevice::kVendorId, CHidDevice::kProductId, Access::Normal, true, 0});
}

void SimulatedInstrument::addOtherDevice(const std::string& path, uint16_t nVendor, uint16_t nProduct,
                                         Access access)
{
    addDevice({path, nVendor, nProduct, access, false, 0});
}

void SimulatedInstrument::unplug(const std::string& path)
{
    std::lock_guard<std::mutex> lock(mutex);
    devices.erase(std::remove_if(devices.begin(), devices.end(),
                                 [&](const Device& d) { return d.path == path; }),
                  devices.end());
}

void SimulatedInstrument::setReportLengths(int nInput, int nOutput)
{
    std::lock_guard<std::mutex> lock(mutex);
    nInputLength = nInput;
    nOutputLength = nOutput;
}

void SimulatedInstrument::setLatency(std::chrono::microseconds value)
{
    std::lock_guard<std::mutex> lock(mutex);
    latency = value;
}

void SimulatedInstrument::setTimeoutWait(std::chrono::milliseconds wait)
{
    std::lock_guard<std::mutex> lock(mutex);
    timeoutWait = wait;
}

void SimulatedInstrument::setSilent(bool bValue)
{
    std::lock_guard<std::mutex> lock(mutex);
    bSilent = bValue;
}

void SimulatedInstrument::injectFault(int nTransfer, Fault fault, int nShortLength)
{
    std::lock_guard<std::mutex> lock(mutex);
    faults[nTransfers + nTransfer] = {fault, nShortLength};
}

bool SimulatedInstrument::takeFault(PlannedFault& planned)
{
    const auto it = faults.find(++nTransfers);
    if (it == faults.end())
        return false;
    planned = it->second;
    faults.erase(it);
    return true;
}

std::vector<SimRequest> SimulatedInstrument::requests() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return requestLog;
}

void SimulatedInstrument::clearRequests()
{
    std::lock_guard<std::mutex> lock(mutex);
    requestLog.clear();
    lateReplies = std::chrono::nanoseconds(0);
}

std::chrono::nanoseconds SimulatedInstrument::lateness() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return lateReplies;
}

int SimulatedInstrument::scanCount() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return nScans;
}

int SimulatedInstrument::openCount() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return nOpens;
}

std::vector<std::string> SimulatedInstrument::devicePaths()
{
    std::lock_guard<std::mutex> lock(mutex);
    ++nScans;
    std::vector<std::string> paths;
    for (const Device& device : devices)
        paths.push_back(device.path);
    return paths;
}

std::unique_ptr<HidConnection> SimulatedInstrument::open(const std::string& path, OpenMode)
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto it = std::find_if(devices.begin(), devices.end(),
                                 [&](const Device& d) { return d.path == path; });
    if (it == devices.end() || it->access == Access::CannotOpen)
        return nullptr;
    ++nOpens;
    return std::make_unique<SimConnection>(*this, it->nSerial, path);
}

const SimulatedInstrument::Device* SimulatedInstrument::findDevice(unsigned nSerial) const
{
    for (const Device& device : devices)
        if (device.nSerial == nSerial)
            return &device;
    return nullptr;
}
