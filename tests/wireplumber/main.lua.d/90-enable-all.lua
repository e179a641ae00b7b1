-- As WirePlumber's own default, less the device monitors: the tests' null sink
-- is the only device.
load_module("metadata")
default_access.enable()
device_defaults.enable()
stream_defaults.enable()
load_script("intended-roles.lua")
load_script("suspend-node.lua")
