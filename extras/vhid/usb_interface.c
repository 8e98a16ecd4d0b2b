#include "usb_interface.h"

static const GUID usb_device_interface = {0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};

NTSTATUS UsbInterfaceRegister(USB_INTERFACE* itf, PDEVICE_OBJECT physical_device) {
  UsbInterfaceRelease(itf);
  return IoRegisterDeviceInterface(physical_device, &usb_device_interface, NULL, &itf->name);
}

void UsbInterfaceSwitch(USB_INTERFACE* itf, BOOLEAN on) {
  if (!itf->name.Buffer || itf->on == on) return;
  if (NT_SUCCESS(IoSetDeviceInterfaceState(&itf->name, on))) itf->on = on;
}

void UsbInterfaceRelease(USB_INTERFACE* itf) {
  UsbInterfaceSwitch(itf, FALSE);
  if (itf->name.Buffer) RtlFreeUnicodeString(&itf->name);
  itf->name.Buffer = NULL;
  itf->name.Length = itf->name.MaximumLength = 0;
  itf->on = FALSE;
}

static NTSTATUS NTAPI SignalDone(PDEVICE_OBJECT device, PIRP irp, PVOID done) {
  (void)device;
  (void)irp;
  KeSetEvent(done, IO_NO_INCREMENT, FALSE);
  return STATUS_MORE_PROCESSING_REQUIRED;
}

NTSTATUS ForwardAndWait(PDEVICE_OBJECT next, PIRP irp) {
  KEVENT done;
  KeInitializeEvent(&done, NotificationEvent, FALSE);
  IoCopyCurrentIrpStackLocationToNext(irp);
  IoSetCompletionRoutine(irp, SignalDone, &done, TRUE, TRUE, TRUE);
  if (IoCallDriver(next, irp) == STATUS_PENDING) KeWaitForSingleObject(&done, Executive, KernelMode, FALSE, NULL);
  return irp->IoStatus.Status;
}
