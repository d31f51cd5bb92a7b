// Placeholder translation unit; the protocol engine lives beside it.
namespace radio {}
