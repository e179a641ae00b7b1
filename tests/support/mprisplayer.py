# SPDX-License-Identifier: MIT
'''A media player on MPRIS for python3-dbusmock, loaded with AddTemplate into
a mock at /org/mpris/MediaPlayer2 whose interface is org.mpris.MediaPlayer2.Player.

Its position runs on a clock of its own while it plays, at its rate, as a real
player's does; Play, Pause, Stop, SetPosition, Next, OpenUri and setting Rate act and
signal as a player's do. It begins stopped, at /track/1, "Track 1",
file:///music/1.ogg; each new track counts on.

Parameters: Length (microseconds, default 3 minutes; 0: its tracks are streams
without a length), CanSeek (default true), Url (false: its tracks have none),
Answers (how many GetAll it answers at once; each after those takes 3 s).
'''

import time

import dbus

PLAYER = 'org.mpris.MediaPlayer2.Player'


def load(mock, parameters):
    mock.length = parameters.get('Length', 180000000)
    mock.with_url = parameters.get('Url', True)
    mock.answers = parameters.get('Answers', -1)
    mock.base, mock.since, mock.number = 0, time.monotonic(), 1
    mock.AddProperties('org.mpris.MediaPlayer2', {'Identity': 'Mock player'})
    mock.AddProperties(PLAYER, {'PlaybackStatus': 'Stopped', 'Rate': dbus.Double(1.0), 'Position': dbus.Int64(0),
                                'CanSeek': parameters.get('CanSeek', True), 'Metadata': metadata(mock, None)})


def metadata(self, url):
    track = {'mpris:trackid': dbus.ObjectPath(f'/track/{self.number}'), 'xesam:title': f'Track {self.number}'}
    if self.length:
        track['mpris:length'] = dbus.Int64(self.length)
    if self.with_url:
        track['xesam:url'] = url or f'file:///music/{self.number}.ogg'
    return dbus.Dictionary(track, signature='sv')


def position(self):
    props = self.props[PLAYER]
    if props['PlaybackStatus'] != 'Playing':
        return self.base
    return self.base + int((time.monotonic() - self.since) * 1e6 * props['Rate'])


def properties(self, interface):
    props = dict(self.props[interface])
    if interface == PLAYER:
        props['Position'] = dbus.Int64(position(self))
    return dbus.Dictionary(props, signature='sv')


def rebase(self, at=None):
    self.base = position(self) if at is None else at
    self.since = time.monotonic()


def change(self, props):
    # As a player does, it tells only what changed.
    props = {name: value for name, value in props.items() if self.props[PLAYER].get(name) != value}
    if not props:
        return
    self.props[PLAYER].update(props)
    self.EmitSignal(dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as',
                    [PLAYER, dbus.Dictionary(props, signature='sv'), dbus.Array([], signature='s')])


def new_track(self, url):
    rebase(self, 0)
    self.number += 1
    change(self, {'Metadata': metadata(self, url), 'PlaybackStatus': 'Playing'})


@dbus.service.method(PLAYER, in_signature='', out_signature='')
def Play(self):
    rebase(self)
    change(self, {'PlaybackStatus': 'Playing'})


@dbus.service.method(PLAYER, in_signature='', out_signature='')
def Pause(self):
    rebase(self)
    change(self, {'PlaybackStatus': 'Paused'})


@dbus.service.method(PLAYER, in_signature='', out_signature='')
def Stop(self):
    rebase(self, 0)
    change(self, {'PlaybackStatus': 'Stopped'})


@dbus.service.method(PLAYER, in_signature='ox', out_signature='')
def SetPosition(self, track, at):
    if track == self.props[PLAYER]['Metadata']['mpris:trackid']:
        rebase(self, at)
        self.EmitSignal(PLAYER, 'Seeked', 'x', [at])


@dbus.service.method(PLAYER, in_signature='', out_signature='')
def Next(self):
    new_track(self, None)


@dbus.service.method(PLAYER, in_signature='s', out_signature='')
def OpenUri(self, url):
    new_track(self, url)


@dbus.service.method('org.freedesktop.DBus.Mock', in_signature='', out_signature='d')
def Left(self):
    '''The time its track has left to play at its rate, in ms, by its own clock'''
    props = self.props[PLAYER]
    return (self.length - position(self)) / props['Rate'] / 1000


@dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='s', out_signature='a{sv}')
def GetAll(self, interface):
    if self.answers == 0:
        time.sleep(3)
    else:
        self.answers -= 1
    return properties(self, interface)


@dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='ss', out_signature='v')
def Get(self, interface, name):
    return properties(self, interface)[name]


@dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='ssv', out_signature='')
def Set(self, _interface, name, value):
    rebase(self)
    change(self, {name: value})
