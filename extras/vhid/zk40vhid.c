/*
 * zk40vhid.sys: a virtual ZK40 for the system's own HID stack. A root
 * enumerated HID minidriver that answers the mouse's command protocol far
 * enough for the program's HID code to be tested end to end: it reports the
 * mouse's ids and its one vendor collection, answers the version query, and
 * appends every report it receives as a hex line to a log file that tests
 * read back. Like a USB mouse it shows a USB device interface while it runs,
 * so that installing the device is plugging the mouse in and removing it is
 * pulling it out, as programs watching for USB devices see it.
 *
 * One device per machine: the state is global.
 */
#include <ntddk.h>
#include <hidusage.h> /* hidclass.h needs its types */
#include <hidclass.h>

#include "usb_interface.h"

/* The minidriver side of the class driver's interface (MinGW has no
 * hidport.h), laid out as the class driver expects. */
typedef struct {
  ULONG Revision;
  PDRIVER_OBJECT DriverObject;
  PUNICODE_STRING RegistryPath;
  ULONG DeviceExtensionSize;
  BOOLEAN DevicesArePolled;
  UCHAR Reserved[3];
} MINIDRIVER_REGISTRATION;

typedef struct {
  PDEVICE_OBJECT PhysicalDeviceObject;
  PDEVICE_OBJECT NextDeviceObject;
  PVOID MiniDeviceExtension;
} CLASS_DEVICE_EXTENSION;

typedef struct {
  ULONG Size;
  USHORT VendorID;
  USHORT ProductID;
  USHORT VersionNumber;
  USHORT Reserved[11];
} DEVICE_ATTRIBUTES;

#pragma pack(push, 1)
typedef struct {
  UCHAR bLength;
  UCHAR bDescriptorType;
  USHORT bcdHID;
  UCHAR bCountry;
  UCHAR bNumDescriptors;
  UCHAR bReportType;
  USHORT wReportLength;
} DEVICE_DESCRIPTOR;
#pragma pack(pop)

typedef struct {
  PUCHAR reportBuffer;
  ULONG reportBufferLen;
  UCHAR reportId;
} XFER_PACKET;

NTSTATUS NTAPI HidRegisterMinidriver(MINIDRIVER_REGISTRATION* registration);

/* MinGW's hidclass.h gives placeholder numbers for the minidriver requests;
 * these are the real codes. */
#define MINI_GET_DEVICE_DESCRIPTOR HID_CTL_CODE(0)
#define MINI_GET_REPORT_DESCRIPTOR HID_CTL_CODE(1)
#define MINI_READ_REPORT HID_CTL_CODE(2)
#define MINI_WRITE_REPORT HID_CTL_CODE(3)
#define MINI_ACTIVATE_DEVICE HID_CTL_CODE(7)
#define MINI_DEACTIVATE_DEVICE HID_CTL_CODE(8)
#define MINI_GET_DEVICE_ATTRIBUTES HID_CTL_CODE(9)

#include "zk40_report_descriptor.h"

#define REPORT_ID ZK40_REPORT_ID
#define FEATURE_BYTES ZK40_FEATURE_BYTES

/* The feature report the next get-feature returns, report id first. */
static UCHAR reply[1 + FEATURE_BYTES] = {REPORT_ID};
/* The class driver's read request, held until the device goes: the device
 * has no input reports, and a read answered at once would only be sent again. */
static PIRP held_read;

/* Appends "<kind> <hex bytes>\r\n" to the log. Best effort: a log that
 * cannot be written must not fail the report. */
static void LogReport(const char* kind, const UCHAR* bytes, ULONG length) {
  static const char digits[] = "0123456789abcdef";
  char line[16 + 2 * 256 + 2];
  ULONG n = 0;
  while (*kind) line[n++] = *kind++;
  line[n++] = ' ';
  for (ULONG i = 0; i < length && i < 256; ++i) {
    line[n++] = digits[bytes[i] >> 4];
    line[n++] = digits[bytes[i] & 15];
  }
  line[n++] = '\r';
  line[n++] = '\n';

  UNICODE_STRING path;
  RtlInitUnicodeString(&path, L"\\??\\C:\\windows\\temp\\zk40vhid.log");
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &path, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
  IO_STATUS_BLOCK status;
  HANDLE file;
  if (!NT_SUCCESS(ZwCreateFile(&file, FILE_APPEND_DATA | SYNCHRONIZE, &attributes, &status, NULL,
                               FILE_ATTRIBUTE_NORMAL, FILE_SHARE_READ | FILE_SHARE_WRITE, FILE_OPEN_IF,
                               FILE_SYNCHRONOUS_IO_NONALERT | FILE_NON_DIRECTORY_FILE, NULL, 0)))
    return;
  LARGE_INTEGER end;
  end.HighPart = -1;
  end.LowPart = FILE_WRITE_TO_END_OF_FILE;
  ZwWriteFile(file, NULL, NULL, NULL, &status, line, n, &end, NULL);
  ZwClose(file);
}

/* A command report: the version query prepares its reply; every other
 * command leaves the last reply in place, as the mouse does. */
static void TakeCommand(const UCHAR* report, ULONG length) {
  if (length >= 2 && report[1] == 0x80) {
    RtlZeroMemory(reply, sizeof reply);
    reply[0] = REPORT_ID;
    reply[1] = 0x80;
    reply[2] = 1; /* firmware 1.7 */
    reply[3] = 7;
  }
}

static NTSTATUS CopyOut(PIRP irp, const void* data, ULONG size) {
  const ULONG room = IoGetCurrentIrpStackLocation(irp)->Parameters.DeviceIoControl.OutputBufferLength;
  if (!irp->UserBuffer || room < size) return STATUS_BUFFER_TOO_SMALL;
  RtlCopyMemory(irp->UserBuffer, data, size);
  irp->IoStatus.Information = size;
  return STATUS_SUCCESS;
}

static void NTAPI CancelHeldRead(PDEVICE_OBJECT device, PIRP irp) {
  (void)device;
  IoReleaseCancelSpinLock(irp->CancelIrql);
  InterlockedCompareExchangePointer((PVOID*)&held_read, NULL, irp);
  irp->IoStatus.Status = STATUS_CANCELLED;
  irp->IoStatus.Information = 0;
  IoCompleteRequest(irp, IO_NO_INCREMENT);
}

static NTSTATUS HoldRead(PIRP irp) {
  if (InterlockedCompareExchangePointer((PVOID*)&held_read, irp, NULL) != NULL) return STATUS_DEVICE_BUSY;
  IoMarkIrpPending(irp);
  IoSetCancelRoutine(irp, CancelHeldRead);
  /* Cancelled before the routine was in place: complete it here, unless the
   * routine already runs. */
  if (irp->Cancel && IoSetCancelRoutine(irp, NULL)) {
    InterlockedCompareExchangePointer((PVOID*)&held_read, NULL, irp);
    irp->IoStatus.Status = STATUS_CANCELLED;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
  }
  return STATUS_PENDING;
}

static void ReleaseHeldRead(void) {
  PIRP irp = InterlockedExchangePointer((PVOID*)&held_read, NULL);
  if (irp && IoSetCancelRoutine(irp, NULL)) {
    irp->IoStatus.Status = STATUS_DEVICE_NOT_CONNECTED;
    irp->IoStatus.Information = 0;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
  }
}

static NTSTATUS NTAPI InternalIoctl(PDEVICE_OBJECT device, PIRP irp) {
  (void)device;
  IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
  XFER_PACKET* packet = irp->UserBuffer;
  NTSTATUS status = STATUS_NOT_SUPPORTED;
  irp->IoStatus.Information = 0;

  switch (stack->Parameters.DeviceIoControl.IoControlCode) {
    case MINI_GET_DEVICE_DESCRIPTOR: {
      const DEVICE_DESCRIPTOR descriptor = {sizeof descriptor, 0x21, 0x0100, 0, 1, 0x22, sizeof zk40_report_descriptor};
      status = CopyOut(irp, &descriptor, sizeof descriptor);
      break;
    }
    case MINI_GET_REPORT_DESCRIPTOR:
      status = CopyOut(irp, zk40_report_descriptor, sizeof zk40_report_descriptor);
      break;
    case MINI_GET_DEVICE_ATTRIBUTES: {
      const DEVICE_ATTRIBUTES attributes = {sizeof attributes, 0x3E7A, 0x6D3B, 0x0107, {0}};
      status = CopyOut(irp, &attributes, sizeof attributes);
      break;
    }
    case MINI_ACTIVATE_DEVICE:
    case MINI_DEACTIVATE_DEVICE:
      status = STATUS_SUCCESS;
      break;
    case MINI_READ_REPORT:
      status = HoldRead(irp);
      if (status == STATUS_PENDING) return status;
      break;
    case IOCTL_HID_SET_FEATURE:
      if (!packet || !packet->reportBuffer || packet->reportId != REPORT_ID) {
        status = STATUS_INVALID_PARAMETER;
        break;
      }
      LogReport("feature", packet->reportBuffer, packet->reportBufferLen);
      TakeCommand(packet->reportBuffer, packet->reportBufferLen);
      irp->IoStatus.Information = packet->reportBufferLen;
      status = STATUS_SUCCESS;
      break;
    case IOCTL_HID_GET_FEATURE: {
      if (!packet || !packet->reportBuffer || packet->reportId != REPORT_ID) {
        status = STATUS_INVALID_PARAMETER;
        break;
      }
      const ULONG size = packet->reportBufferLen < sizeof reply ? packet->reportBufferLen : sizeof reply;
      RtlCopyMemory(packet->reportBuffer, reply, size);
      irp->IoStatus.Information = size;
      status = STATUS_SUCCESS;
      break;
    }
    case MINI_WRITE_REPORT:
    case IOCTL_HID_SET_OUTPUT_REPORT:
      if (!packet || !packet->reportBuffer || packet->reportId != REPORT_ID) {
        status = STATUS_INVALID_PARAMETER;
        break;
      }
      LogReport("output", packet->reportBuffer, packet->reportBufferLen);
      irp->IoStatus.Information = packet->reportBufferLen;
      status = STATUS_SUCCESS;
      break;
    default:
      break;
  }
  irp->IoStatus.Status = status;
  IoCompleteRequest(irp, IO_NO_INCREMENT);
  return status;
}

/* The mouse's USB device interface: on while the device runs. */
static USB_INTERFACE usb_interface;

/* Power requests belong to the bus below. */
static NTSTATUS NTAPI PassDown(PDEVICE_OBJECT device, PIRP irp) {
  CLASS_DEVICE_EXTENSION* extension = device->DeviceExtension;
  IoSkipCurrentIrpStackLocation(irp);
  return IoCallDriver(extension->NextDeviceObject, irp);
}

/* Plug and play requests belong to the bus below too. Around them the device
 * switches its USB interface on once the bus has started it, and off, with
 * the held read let go, when it goes away. */
static NTSTATUS NTAPI Pnp(PDEVICE_OBJECT device, PIRP irp) {
  CLASS_DEVICE_EXTENSION* extension = device->DeviceExtension;
  IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
  switch (stack->MinorFunction) {
    case IRP_MN_START_DEVICE: {
      const NTSTATUS status = ForwardAndWait(extension->NextDeviceObject, irp);
      if (NT_SUCCESS(status)) UsbInterfaceSwitch(&usb_interface, TRUE);
      IoCompleteRequest(irp, IO_NO_INCREMENT);
      return status;
    }
    case IRP_MN_SURPRISE_REMOVAL:
      ReleaseHeldRead();
      break;
    case IRP_MN_REMOVE_DEVICE:
      ReleaseHeldRead();
      UsbInterfaceRelease(&usb_interface);
      break;
    default:
      break;
  }
  IoSkipCurrentIrpStackLocation(irp);
  return IoCallDriver(extension->NextDeviceObject, irp);
}

static NTSTATUS NTAPI AddDevice(PDRIVER_OBJECT driver, PDEVICE_OBJECT device) {
  (void)driver;
  CLASS_DEVICE_EXTENSION* extension = device->DeviceExtension;
  /* The interface belongs to the device the bus made; its name carries that
   * device's instance id, and with it the mouse's vendor and product ids. */
  const NTSTATUS status = UsbInterfaceRegister(&usb_interface, extension->PhysicalDeviceObject);
  if (!NT_SUCCESS(status)) return status;
  device->Flags &= ~DO_DEVICE_INITIALIZING;
  return STATUS_SUCCESS;
}

static void NTAPI Unload(PDRIVER_OBJECT driver) { (void)driver; }

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registry) {
  driver->MajorFunction[IRP_MJ_INTERNAL_DEVICE_CONTROL] = InternalIoctl;
  driver->MajorFunction[IRP_MJ_PNP] = Pnp;
  driver->MajorFunction[IRP_MJ_POWER] = PassDown;
  driver->DriverExtension->AddDevice = AddDevice;
  driver->DriverUnload = Unload;

  MINIDRIVER_REGISTRATION registration = {0};
  registration.Revision = HID_REVISION;
  registration.DriverObject = driver;
  registration.RegistryPath = registry;
  registration.DeviceExtensionSize = 0;
  registration.DevicesArePolled = FALSE;
  return HidRegisterMinidriver(&registration);
}
