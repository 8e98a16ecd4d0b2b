/*
 * What the virtual devices share: the USB device interface that tells
 * programs a device was plugged in or pulled out, and handing a plug and play
 * request down the stack while waiting for the answer.
 */
#pragma once
#include <ntddk.h>

/* A device's USB device interface {A5DCBF10-6530-11D2-901F-00C04FB951ED}.
 * Switching it on and off is what the system announces to every window
 * registered for the interface class, with the interface's name, which
 * carries the instance id of the device it belongs to. */
typedef struct {
  UNICODE_STRING name;
  BOOLEAN on;
} USB_INTERFACE;

/* Registers the interface for the device the bus made; it starts off. */
NTSTATUS UsbInterfaceRegister(USB_INTERFACE* itf, PDEVICE_OBJECT physical_device);
/* No-op when the interface is not registered or already in that state. */
void UsbInterfaceSwitch(USB_INTERFACE* itf, BOOLEAN on);
/* Switches it off and forgets it. */
void UsbInterfaceRelease(USB_INTERFACE* itf);

/* Hands a request to the device below and waits for its answer; the request
 * is still the caller's to complete afterwards. (The system's own helper for
 * this is a stub on Wine.) */
NTSTATUS ForwardAndWait(PDEVICE_OBJECT next, PIRP irp);
